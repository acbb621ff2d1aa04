#include "game/pictures/PuzzlePicture.h"

#include <QPainter>
#include <cmath>

#include "game/pictures/PictureLoader.h"
#include "game/pictures/PictureSource.h"

int pictureSide(qreal ratio) {
    return 4 * static_cast<int>(std::lround(kPuzzlePictureSide / 4 * ratio));
}

QImage onWhite(const QImage& picture, int side) {
    QImage square(side, side, QImage::Format_RGB32);
    square.fill(Qt::white);
    QPainter painter(&square);
    painter.drawImage(QRect(0, 0, side, side), picture);
    return square;
}

QImage remadePicture(PictureSource& source, const QImage& current, qreal ratio) {
    const int side = pictureSide(ratio);
    QImage read;
    if (source.unchangedSinceLoad()) {
        try {
            read = source.load(side);
        } catch (const std::exception&) {
            read = QImage();  // unreadable now: the picture in hand will do
        }
    }
    if (read.isNull()) {
        read = current.scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    QImage picture = onWhite(read, side);
    picture.setDevicePixelRatio(ratio);
    return picture;
}
