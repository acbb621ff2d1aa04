#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>

#include "bench/SyntheticPhoto.h"
#include "platform/Failure.h"

// make_bench_photo <file> [width height [format]]: a photo-like picture, 6000 x 4000 JPEG unless
// told otherwise.
int main(int argc, char** argv) {
    if (argc != 2 && argc != 4 && argc != 5) {
        std::fprintf(stderr, "usage: %s <file> [width height [jpeg|png|bmp]]\n", argv[0]);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    const int width = argc >= 4 ? std::atoi(argv[2]) : 6000;
    const int height = argc >= 4 ? std::atoi(argv[3]) : 4000;
    const char* format = argc == 5 ? argv[4] : "jpeg";
    try {
        writeSyntheticPhoto(QString::fromLocal8Bit(argv[1]), width, height, format);
    } catch (const Failure& failure) {
        std::fprintf(stderr, "%s\n", failure.what());
        return 1;
    }
    return 0;
}
