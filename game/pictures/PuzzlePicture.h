#pragma once

#include <QImage>

class PictureSource;

// The side of the puzzle picture in device pixels at `ratio`: 400 logical pixels, each of the
// 4 x 4 cells a whole number of device pixels so the cells stay equal at any ratio.
int pictureSide(qreal ratio);

// `picture` drawn on a white square of `side` device pixels, so a transparent picture shows on
// white.
QImage onWhite(const QImage& picture, int side);

// The puzzle picture made again at `ratio` from its source; from the picture in hand when the
// source is gone or has changed since it was read. Its device pixel ratio is set.
QImage remadePicture(PictureSource& source, const QImage& current, qreal ratio);
