// picture_peak_child <picture> [side]
// Loads one picture through the game's loader in this fresh process and prints how far the peak
// resident memory rose above the idle process: "growth-kb=<kB> outcome=<loaded|refused: reason>".
// The idle process has already loaded a small picture of each format, so the decoders' code and
// tables count as idle. Tests start it once per picture, so no picture's allocations hide
// another's.

#include <QBuffer>
#include <QCoreApplication>
#include <QImage>
#include <QImageWriter>
#include <cstdio>
#include <cstdlib>

#include "game/pictures/PictureLoader.h"
#include "platform/Failure.h"
#include "tests/support/ProcessMemory.h"

namespace {

void warmUpDecoders(int side) {
    QImage small(16, 16, QImage::Format_ARGB32);
    small.fill(qRgba(10, 200, 30, 180));
    for (const char* format : {"png", "bmp", "jpeg", "gif", "tiff", "webp", "ico", "ppm"}) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter(&buffer, format).write(small);
        try {
            loadPuzzlePictureData(bytes, QStringLiteral("warm-up"), side);
        } catch (const Failure&) {
            // Qt writes no GIF; whatever loads has brought its decoder in.
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: %s <picture> [side]\n", argv[0]);
        return 2;
    }
    QCoreApplication application(argc, argv);
    const QString path = QString::fromLocal8Bit(argv[1]);
    const int side = argc == 3 ? std::atoi(argv[2]) : kPuzzlePictureSide;
    warmUpDecoders(side);

    const long idle = residentKilobytes();
    if (idle < 0 || !restartPeakCount()) {
        std::fprintf(stderr, "cannot read or reset the peak resident size\n");
        return 1;
    }
    QByteArray outcome = "loaded";
    try {
        loadPuzzlePicture(path, side);
    } catch (const Failure& failure) {
        outcome = "refused: " + QByteArray::fromStdString(failure.description());
    }
    const long peak = peakResidentKilobytes();
    std::printf("growth-kb=%ld outcome=%s\n", peak - idle, outcome.constData());
    return 0;
}
