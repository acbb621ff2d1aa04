#include "game/pictures/PuzzlePicture.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "game/pictures/PictureLoader.h"

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
