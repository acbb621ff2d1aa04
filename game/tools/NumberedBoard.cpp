// The classic board: tiles 1 to 15 in reading order and an empty slot in the last cell. The digits
// are drawn as strokes of our own, so the picture looks the same whatever fonts a machine has.

#include <QColor>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>

#include "game/tools/SceneCanvas.h"
#include "game/tools/StockPictures.h"

namespace {

constexpr double kCell = 200;
// A digit's box: the strokes run inside kDigitWidth x 1, the pen's width is added around them.
constexpr double kDigitWidth = 0.56;

QPainterPath digitZero() {
    QPainterPath path;
    path.addRoundedRect(0, 0, kDigitWidth, 1, kDigitWidth / 2, kDigitWidth / 2);
    return path;
}

QPainterPath digitOne() {
    QPainterPath path;
    path.moveTo(0.1, 0.2);
    path.lineTo(0.34, 0);
    path.lineTo(0.34, 1);
    path.moveTo(0.08, 1);
    path.lineTo(0.56, 1);
    return path;
}

QPainterPath digitTwo() {
    const QRectF bowl(0, 0, kDigitWidth, 0.56);
    QPainterPath path;
    path.arcMoveTo(bowl, 160);
    path.arcTo(bowl, 160, -200);
    path.lineTo(0, 1);
    path.lineTo(kDigitWidth, 1);
    return path;
}

QPainterPath digitThree() {
    const QRectF top(0.04, 0, kDigitWidth - 0.08, 0.47);
    const QRectF bottom(0, 0.47, kDigitWidth, 0.53);
    QPainterPath path;
    path.arcMoveTo(top, 155);
    path.arcTo(top, 155, -245);
    path.arcTo(bottom, 90, -250);
    return path;
}

QPainterPath digitFour() {
    QPainterPath path;
    path.moveTo(0.42, 1);
    path.lineTo(0.42, 0);
    path.lineTo(0, 0.68);
    path.lineTo(kDigitWidth, 0.68);
    return path;
}

QPainterPath digitFive() {
    const QRectF bowl(0, 0.36, kDigitWidth, 0.64);
    QPainterPath bowlStart;
    bowlStart.arcMoveTo(bowl, 150);
    const QPointF corner(bowlStart.currentPosition().x(), 0);
    QPainterPath path;
    path.moveTo(0.52, 0);
    path.lineTo(corner);
    path.lineTo(bowlStart.currentPosition());
    path.arcTo(bowl, 150, -300);
    return path;
}

QPainterPath digitSix() {
    QPainterPath path;
    path.moveTo(0.5, 0.02);
    path.cubicTo(0.18, 0.06, 0, 0.36, 0, 0.71);
    path.addEllipse(QRectF(0, 0.42, kDigitWidth, 0.58));
    return path;
}

QPainterPath digitSeven() {
    QPainterPath path;
    path.moveTo(0, 0);
    path.lineTo(kDigitWidth, 0);
    path.lineTo(0.18, 1);
    return path;
}

QPainterPath digitEight() {
    QPainterPath path;
    path.addEllipse(QRectF(0.05, 0, kDigitWidth - 0.1, 0.46));
    path.addEllipse(QRectF(0, 0.46, kDigitWidth, 0.54));
    return path;
}

QPainterPath digitNine() {
    // A six turned half round.
    return QTransform(-1, 0, 0, -1, kDigitWidth, 1).map(digitSix());
}

QPainterPath digit(int value) {
    switch (value) {
        case 0:
            return digitZero();
        case 1:
            return digitOne();
        case 2:
            return digitTwo();
        case 3:
            return digitThree();
        case 4:
            return digitFour();
        case 5:
            return digitFive();
        case 6:
            return digitSix();
        case 7:
            return digitSeven();
        case 8:
            return digitEight();
        default:
            return digitNine();
    }
}

// The number's strokes, `height` tall, centred on `centre`.
QPainterPath numberPath(int number, QPointF centre, double height) {
    const double gap = 0.26;
    const bool twoDigits = number >= 10;
    const double width = twoDigits ? 2 * kDigitWidth + gap : kDigitWidth;
    QPainterPath strokes;
    double left = 0;
    if (twoDigits) {
        strokes.addPath(digit(number / 10));
        left = kDigitWidth + gap;
    }
    strokes.addPath(QTransform::fromTranslate(left, 0).map(digit(number % 10)));
    QTransform place;
    place.translate(centre.x() - width * height / 2, centre.y() - height / 2);
    place.scale(height, height);
    return place.map(strokes);
}

QColor tileColour(int number) {
    // Fifteen hues round most of the colour circle, so no two tiles share a colour and the first
    // and the last stay apart.
    return QColor::fromHsvF(static_cast<float>((number - 1) / 16.0), 0.5f, 0.97f);
}

void drawFrame(QPainter& painter) {
    QLinearGradient wood(0, 0, kStockPictureSide, kStockPictureSide);
    wood.setColorAt(0, QColor(92, 60, 38));
    wood.setColorAt(1, QColor(52, 32, 22));
    painter.fillRect(QRectF(0, 0, kStockPictureSide, kStockPictureSide), wood);
}

void drawTile(QPainter& painter, int number, QRectF cell) {
    const QRectF tile = cell.adjusted(9, 9, -9, -9);
    const QColor colour = tileColour(number);
    QLinearGradient face(tile.topLeft(), tile.bottomLeft());
    face.setColorAt(0, colour.lighter(112));
    face.setColorAt(1, colour.darker(112));
    painter.setPen(QPen(colour.darker(160), 3));
    painter.setBrush(face);
    painter.drawRoundedRect(tile, 24, 24);
    // A raised edge catches the light along the top.
    painter.setPen(QPen(QColor(255, 255, 255, 150), 4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(tile.topLeft() + QPointF(26, 6), tile.topRight() + QPointF(-26, 6));

    const QPainterPath strokes = numberPath(number, tile.center(), 92);
    QPen pen(QColor(255, 255, 255, 170), 17, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(pen);
    painter.drawPath(strokes.translated(2, 3));
    pen.setColor(QColor::fromHsvF(colour.hsvHueF(), 0.75f, 0.32f));
    painter.setPen(pen);
    painter.drawPath(strokes);
}

void drawEmptySlot(QPainter& painter, QRectF cell) {
    const QRectF slot = cell.adjusted(9, 9, -9, -9);
    QRadialGradient hollow(slot.center(), slot.width() * 0.75);
    hollow.setColorAt(0, QColor(44, 28, 20));
    hollow.setColorAt(1, QColor(22, 14, 10));
    painter.setPen(QPen(QColor(120, 86, 60), 3));
    painter.setBrush(hollow);
    painter.drawRoundedRect(slot, 24, 24);
}

}  // namespace

QImage drawNumberedBoard(int side) {
    SceneCanvas canvas(side);
    QPainter& painter = canvas.painter();
    drawFrame(painter);
    for (int number = 1; number <= 16; ++number) {
        const QRectF cell(((number - 1) % 4) * kCell, ((number - 1) / 4) * kCell, kCell, kCell);
        if (number == 16) {
            drawEmptySlot(painter, cell);
        } else {
            drawTile(painter, number, cell);
        }
    }
    return canvas.finish();
}
