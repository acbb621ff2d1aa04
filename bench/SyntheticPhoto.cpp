#include "bench/SyntheticPhoto.h"

#include <QImageWriter>
#include <QPainter>
#include <QRadialGradient>
#include <cmath>
#include <cstdint>

#include "platform/Failure.h"

namespace {

// xorshift32: fast, and the same grain on every run.
class Grain {
public:
    explicit Grain(unsigned seed) : state_(seed == 0 ? 0x9e3779b9U : seed) {}
    int next(int amplitude) {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return static_cast<int>(state_ % static_cast<std::uint32_t>(2 * amplitude + 1)) - amplitude;
    }

private:
    std::uint32_t state_;
};

int clampByte(int value) {
    return value < 0 ? 0 : (value > 255 ? 255 : value);
}

void paintGradients(QImage& image) {
    const int width = image.width();
    const int height = image.height();
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const int sky = 60 + 150 * y / height;
        for (int x = 0; x < width; ++x) {
            line[x] = qRgb(40 + 180 * x / width, sky, 200 - 120 * x / width);
        }
    }
}

void paintShapes(QImage& image, unsigned seed) {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    Grain place(seed * 7919U + 1U);
    const int side = qMin(image.width(), image.height());
    for (int i = 0; i < 40; ++i) {
        const QPointF centre(image.width() / 2.0 + place.next(image.width() / 2),
                             image.height() / 2.0 + place.next(image.height() / 2));
        const qreal radius = side / 20.0 + (place.next(side / 10) + side / 10);
        QRadialGradient gradient(centre, radius);
        const QColor colour(clampByte(128 + place.next(127)), clampByte(128 + place.next(127)),
                            clampByte(128 + place.next(127)));
        gradient.setColorAt(0.0, colour);
        gradient.setColorAt(0.8, colour.darker(130));
        gradient.setColorAt(1.0, Qt::transparent);
        painter.setBrush(gradient);
        painter.drawEllipse(centre, radius, radius * 0.7);
    }
}

// Texture at the scale of leaves and gravel, then grain independent in each channel, as a
// camera's sensor leaves it: without them the picture would compress far better than a photo.
void addTextureAndGrain(QImage& image, unsigned seed) {
    Grain grain(seed);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const double wave = std::sin(y * 0.071);
        for (int x = 0; x < image.width(); ++x) {
            const int texture =
                static_cast<int>(14 * wave * std::sin(x * 0.053 + 3 * std::sin(y * 0.013)));
            const QRgb p = line[x];
            line[x] = qRgb(clampByte(qRed(p) + texture + grain.next(12)),
                           clampByte(qGreen(p) + texture + grain.next(12)),
                           clampByte(qBlue(p) + texture + grain.next(12)));
        }
    }
}

}  // namespace

QImage syntheticPhoto(int width, int height, unsigned seed) {
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull()) {
        throw Failure("Out of memory");
    }
    paintGradients(image);
    paintShapes(image, seed);
    addTextureAndGrain(image, seed);
    return image;
}

void writeSyntheticPhoto(const QString& path, int width, int height, const char* format,
                         int quality) {
    QImageWriter writer(path, format);
    writer.setQuality(quality);
    if (!writer.write(syntheticPhoto(width, height))) {
        throw Failure("Cannot write " + path.toStdString() + ": " +
                      writer.errorString().toStdString());
    }
}
