#pragma once

#include <QPushButton>

// A push button that also reports the mouse moving over it.
class HoverPushButton : public QPushButton {
    Q_OBJECT
public:
    explicit HoverPushButton(const QString& text, QWidget* parent = nullptr);

signals:
    void mouseMoved();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
};
