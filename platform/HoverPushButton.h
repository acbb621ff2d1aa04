#pragma once

#include <QPushButton>

// A push button that also reports the mouse moving over it, and tells a click of the mouse from
// one of the keyboard or a screen reader. Space or Enter presses it when it has the focus.
class HoverPushButton : public QPushButton {
    Q_OBJECT
public:
    explicit HoverPushButton(const QString& text, QWidget* parent = nullptr);

    // True while the handlers of a click made with the mouse run.
    bool clickingByMouse() const { return clickingByMouse_; }

signals:
    void mouseMoved();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool clickingByMouse_ = false;
};
