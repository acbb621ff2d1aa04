#include "game/pictures/PuzzlePicture.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "game/pictures/PictureLoader.h"
#include "game/pictures/PictureSource.h"

int pictureSide(qreal ratio) {
    const int side = 4 * static_cast<int>(std::lround(kPuzzlePictureSide / 4 * ratio));
    return std::clamp(side, 4, kMaxPuzzlePictureSide);
}

void setPictureRatio(QImage& picture) {
    picture.setDevicePixelRatio(static_cast<qreal>(picture.width()) / kPuzzlePictureSide);
}

QImage onWhite(const QImage& picture, int side) {
    QImage square(side, side, QImage::Format_RGB32);
    square.fill(Qt::white);
    QPainter painter(&square);
    painter.drawImage(QRect(0, 0, side, side), picture);
    return square;
}

QImage remadePicture(PictureSource& source, const QImage& current, qreal ratio,
                     const DecoderWait& wait) {
    const int side = pictureSide(ratio);
    QImage read;
    try {
        read = source.loadAgain(side, wait);
    } catch (const PictureLoadStopped&) {
        throw;
    } catch (const std::exception&) {
        read = QImage();  // unreadable now: the picture in hand will do
    }
    if (read.isNull()) {
        read = current.scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    QImage picture = onWhite(read, side);
    setPictureRatio(picture);
    return picture;
}
