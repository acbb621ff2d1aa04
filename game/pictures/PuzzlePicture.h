#pragma once

#include <QImage>

#include "game/pictures/PictureLoader.h"

// The side of the puzzle picture in device pixels at `ratio`: 400 logical pixels, each of the
// 4 x 4 cells a whole number of device pixels so the cells stay equal at any ratio. Past the
// largest square the loader makes (a ratio of 5), it stays at that square and the screen scales
// the last step.
int pictureSide(qreal ratio);

// Gives a picture of `side` x `side` device pixels the ratio that shows it at 400 logical pixels.
void setPictureRatio(QImage& picture);

// `picture` drawn on a white square of `side` device pixels, so a transparent picture shows on
// white.
QImage onWhite(const QImage& picture, int side);
