#include <QCoreApplication>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "bench/BenchSupport.h"
#include "bench/SyntheticPhoto.h"
#include "game/pictures/PictureLoader.h"
#include "platform/Failure.h"
#include "tests/support/ProcessMemory.h"

namespace {

QImage load(const QString& path, bool full, int side) {
    return full ? fullDecodeThenScale(path) : loadPuzzlePicture(path, side);
}

}  // namespace

// picture_peak <file> loader|full [side]
// Loads the picture one way (the loader for a square of `side`, 400 unless given) in this fresh
// process and prints how far the peak resident memory rose above the idle process:
// "idle-kb=<resident> peak-kb=<peak resident> growth-kb=<difference>". The idle process has already
// loaded a small picture of the same format the same way, so the decoder's code and tables count as
// idle.
int main(int argc, char** argv) {
    if (argc < 3 || argc > 4 ||
        (std::strcmp(argv[2], "loader") != 0 && std::strcmp(argv[2], "full") != 0)) {
        std::fprintf(stderr, "usage: %s <picture> loader|full [side]\n", argv[0]);
        return 2;
    }
    const int side = argc == 4 ? std::atoi(argv[3]) : kPuzzlePictureSide;
    QCoreApplication app(argc, argv);
    const QString path = QString::fromLocal8Bit(argv[1]);
    const bool full = std::strcmp(argv[2], "full") == 0;
    try {
        QTemporaryDir folder;
        const QString small = folder.path() + "/small";
        const QByteArray format = QImageReader::imageFormat(path);
        writeSyntheticPhoto(small, 64, 48, format.isEmpty() ? "png" : format.constData());
        load(small, full, side);
        QFile::remove(small);

        const long idle = residentKilobytes();
        if (!restartPeakCount()) {
            std::fprintf(stderr, "cannot reset the peak resident size\n");
            return 1;
        }
        const QImage picture = load(path, full, side);
        const long peak = peakResidentKilobytes();
        if (picture.isNull() || idle < 0 || peak < 0) {
            std::fprintf(stderr, "no picture or no memory figures\n");
            return 1;
        }
        std::printf("idle-kb=%ld peak-kb=%ld growth-kb=%ld\n", idle, peak, peak - idle);
    } catch (const Failure& failure) {
        std::fprintf(stderr, "%s\n", failure.what());
        return 1;
    }
    return 0;
}
