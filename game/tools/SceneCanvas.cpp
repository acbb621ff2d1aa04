#include "game/tools/SceneCanvas.h"

#include "game/tools/StockPictures.h"

SceneCanvas::SceneCanvas(int side) : image_(side, side, QImage::Format_RGB32) {
    image_.fill(Qt::white);
    painter_.begin(&image_);
    painter_.setRenderHint(QPainter::Antialiasing);
    painter_.scale(side / double(kStockPictureSide), side / double(kStockPictureSide));
}

QImage SceneCanvas::finish() {
    painter_.end();
    return image_;
}

double SceneRandom::between(double low, double high) {
    // xorshift32: small, fast and fixed by its definition.
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return low + (high - low) * (state_ / 4294967296.0);
}
