// Draws the game's hand pointer and writes it as a Windows cursor file beside the program, unless
// a cursor file is already there (a player's own hand cursor is never replaced).

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPoint>
#include <cstdio>
#include <iterator>

namespace {

// The hand is drawn on a grid of 32 x 32 pixels, and again at one and a half and twice that for
// screens of more pixels, so that it stays as sharp as the desktop's own pointers there.
constexpr int kSide = 32;
constexpr int kSides[] = {32, 48, 64};
// The raised index finger's middle, whose tip is where the pointer points.
constexpr qreal kFingerX = 11;

QPainterPath roundedBox(qreal x, qreal y, qreal width, qreal height, qreal radius) {
    QPainterPath path;
    path.addRoundedRect(x, y, width, height, radius, radius);
    return path;
}

// A right hand seen from its back: index finger up, three fingers folded, thumb out to the left.
QPainterPath handOutline() {
    QPainterPath hand = roundedBox(8.5, 1.5, 5, 17, 2.5);     // index finger
    hand = hand.united(roundedBox(13.5, 10.5, 4.5, 9, 2.2));  // middle finger, folded
    hand = hand.united(roundedBox(18, 11.5, 4.5, 9, 2.2));    // ring finger, folded
    hand = hand.united(roundedBox(22.5, 13, 4, 8.5, 2));      // little finger, folded
    hand = hand.united(roundedBox(8.5, 15.5, 18, 12.5, 4));   // back of the hand
    hand = hand.united(roundedBox(9.5, 26.5, 15, 4, 1));      // wrist
    QPainterPath thumb;
    thumb.moveTo(9.5, 24.5);
    thumb.lineTo(3.5, 18.5);
    thumb.cubicTo(2.0, 17.0, 3.5, 14.5, 5.5, 15.5);
    thumb.lineTo(10.5, 19.0);
    thumb.closeSubpath();
    return hand.united(thumb).simplified();
}

QImage drawHand(int side) {
    QImage image(side, side, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(static_cast<qreal>(side) / kSide, static_cast<qreal>(side) / kSide);
    painter.setPen(QPen(Qt::black, 1.0));
    painter.setBrush(Qt::white);
    painter.drawPath(handOutline());
    // Knuckle lines between the folded fingers.
    painter.drawLine(QPointF(13.5, 13.5), QPointF(13.5, 18.0));
    painter.drawLine(QPointF(18.5, 13.5), QPointF(18.5, 18.5));
    painter.drawLine(QPointF(22.5, 15.0), QPointF(22.5, 19.5));
    painter.end();
    return image;
}

void putU16(QByteArray& bytes, int value) {
    bytes.append(static_cast<char>(value & 0xff));
    bytes.append(static_cast<char>((value >> 8) & 0xff));
}

void putU32(QByteArray& bytes, quint32 value) {
    putU16(bytes, static_cast<int>(value & 0xffff));
    putU16(bytes, static_cast<int>(value >> 16));
}

// The fingertip: the finger's middle column, at its first mostly covered pixel.
QPoint hotspot(const QImage& image) {
    const int x = qRound(kFingerX * image.width() / kSide);
    for (int y = 0; y < image.height(); ++y) {
        if (qAlpha(image.pixel(x, y)) > 128) {
            return {x, y};
        }
    }
    return {x, 0};
}

// One directory entry a size, each with its hotspot, then the pictures as PNG, which cursor
// readers accept in place of the old bitmap-and-mask layout. The first size is the one shown.
QByteArray cursorFile() {
    QByteArray directory;
    QByteArray images;
    const int count = static_cast<int>(std::size(kSides));
    putU16(directory, 0);
    putU16(directory, 2);
    putU16(directory, count);
    for (const int side : kSides) {
        const QImage image = drawHand(side);
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!image.save(&buffer, "PNG")) {
            return QByteArray();
        }
        const QPoint hot = hotspot(image);
        directory.append(static_cast<char>(side));
        directory.append(static_cast<char>(side));
        putU16(directory, 0);
        putU16(directory, hot.x());
        putU16(directory, hot.y());
        putU32(directory, static_cast<quint32>(png.size()));
        putU32(directory, static_cast<quint32>(6 + 16 * count + images.size()));
        images += png;
    }
    return directory + images;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_hand_cursor <cursor file>\n");
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    if (QFileInfo::exists(path)) {
        return 0;
    }
    const QByteArray bytes = cursorFile();
    QFile file(path);
    if (bytes.isEmpty() || !file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "make_hand_cursor: cannot write %s\n", argv[1]);
        file.remove();
        return 1;
    }
    return 0;
}
