#pragma once

#include <QLabel>
#include <QPixmap>

// One tile control: shows its picture cell at full size and draws its border on top, so the cells
// meet without gaps. Reports a click (press and release inside) with its index.
class TileLabel : public QLabel {
    Q_OBJECT
public:
    TileLabel(int index, QWidget* parent);

    int index() const { return index_; }
    // Shows `cell` and takes its size.
    void setCell(const QPixmap& cell);
    // Flat single-line border, or the raised three-dimensional one that marks a chosen tile.
    void setThreeDimensional(bool raised);
    bool isThreeDimensional() const;

signals:
    void clicked(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void applyFrame();

    int index_;
    bool pressed_ = false;
    bool raised_ = false;
};
