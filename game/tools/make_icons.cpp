// Writes the window icon's drawing as the installed application icon, one PNG per size, into a
// hicolor icon theme folder: <folder>/<side>x<side>/apps/<name>.png.

#include <QDir>
#include <QImage>
#include <cstdio>
#include <cstdlib>

#include "game/window/WindowIcon.h"

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: make_icons <hicolor folder> <icon name> <side>...\n");
        return 2;
    }
    const QDir theme(QString::fromLocal8Bit(argv[1]));
    const QString name = QString::fromLocal8Bit(argv[2]);
    for (int k = 3; k < argc; ++k) {
        const int side = std::atoi(argv[k]);
        if (side <= 0) {
            std::fprintf(stderr, "make_icons: not a size: %s\n", argv[k]);
            return 2;
        }
        const QString folder = QStringLiteral("%1x%1/apps").arg(side);
        const QString path = theme.filePath(folder + QLatin1Char('/') + name + ".png");
        if (!theme.mkpath(folder) || !drawTavloraIcon(side).save(path, "PNG")) {
            std::fprintf(stderr, "make_icons: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
