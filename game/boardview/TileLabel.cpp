#include "game/boardview/TileLabel.h"

#include <QMouseEvent>
#include <QPainter>

TileLabel::TileLabel(int index, QWidget* parent) : QLabel(parent), index_(index) {
    setProperty("imageControl", true);
    applyFrame();
}

void TileLabel::setCell(const QPixmap& cell) {
    // Handing a tile the cell it already shows repaints nothing; only moved tiles are painted.
    if (!pixmap().isNull() && pixmap().cacheKey() == cell.cacheKey()) {
        return;
    }
    setPixmap(cell);
    // A cell made for a high-density screen has more pixels than logical size.
    resize(cell.deviceIndependentSize().toSize());
}

void TileLabel::setThreeDimensional(bool raised) {
    if (raised != raised_) {
        raised_ = raised;
        applyFrame();
    }
}

void TileLabel::applyFrame() {
    if (raised_) {
        setFrameStyle(QFrame::Panel | QFrame::Raised);
        setLineWidth(2);
    } else {
        setFrameStyle(QFrame::Box | QFrame::Plain);
        setLineWidth(1);
    }
    update();
}

bool TileLabel::isThreeDimensional() const {
    return raised_;
}

void TileLabel::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, pixmap());
    drawFrame(&painter);
}

void TileLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void TileLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click) {
        emit clicked(index_);
    }
}
