// picture_peak_child <picture> [side]
// Loads one picture through the game's loader in this fresh process, which stands for the game,
// and prints the peak resident memory of this process and of the decoding program it started:
// "game-kb=<kB> decoder-kb=<kB> outcome=<loaded|refused: reason>". Tests start it once per
// picture, so no picture's decoder hides another's.

#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>

#include "game/pictures/PictureLoader.h"
#include "platform/Failure.h"
#include "tests/support/ProcessMemory.h"

#ifndef _WIN32
#include <sys/resource.h>
#endif

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: %s <picture> [side]\n", argv[0]);
        return 2;
    }
    QCoreApplication application(argc, argv);
    const QString path = QString::fromLocal8Bit(argv[1]);
    const int side = argc == 3 ? std::atoi(argv[2]) : kPuzzlePictureSide;
    QByteArray outcome = "loaded";
    try {
        loadPuzzlePicture(path, side);
    } catch (const Failure& failure) {
        outcome = "refused: " + QByteArray::fromStdString(failure.description());
    }
    long decoder = -1;
#ifndef _WIN32
    rusage children = {};
    if (getrusage(RUSAGE_CHILDREN, &children) == 0) {
        decoder = children.ru_maxrss;  // kilobytes on Linux
    }
#endif
    std::printf("game-kb=%ld decoder-kb=%ld outcome=%s\n", peakResidentKilobytes(), decoder,
                outcome.constData());
    return 0;
}
