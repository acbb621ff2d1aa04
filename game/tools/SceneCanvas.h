#pragma once

#include <QImage>
#include <QPainter>
#include <cstdint>

// A painter on a fresh picture whose drawing coordinates are those of an 800 x 800 canvas,
// whatever the picture's real size.
class SceneCanvas {
public:
    explicit SceneCanvas(int side);
    QPainter& painter() { return painter_; }
    QImage finish();

private:
    QImage image_;
    QPainter painter_;
};

// The same sequence on every machine and compiler, so a rebuilt picture is the same picture.
class SceneRandom {
public:
    explicit SceneRandom(std::uint32_t seed) : state_(seed) {}
    // A value in [low, high).
    double between(double low, double high);

private:
    std::uint32_t state_;
};
