// Writes the window icon's drawing as the installed application icon:
//   make_icons <hicolor folder> <icon name> <side>...
//       one PNG per size into a hicolor icon theme folder: <folder>/<side>x<side>/apps/<name>.png
//   make_icons --ico <file.ico> <side>...
//       one Windows icon file holding every size, for the program's resources and the installer

#include <QDir>
#include <QFile>
#include <QImage>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "game/tools/IconFile.h"
#include "game/window/WindowIcon.h"

namespace {

// The sides from argv[first] on; empty when one is not a size.
std::vector<int> sides(int argc, char** argv, int first) {
    std::vector<int> result;
    for (int k = first; k < argc; ++k) {
        const int side = std::atoi(argv[k]);
        if (side <= 0) {
            std::fprintf(stderr, "make_icons: not a size: %s\n", argv[k]);
            return {};
        }
        result.push_back(side);
    }
    return result;
}

int writeIconTheme(const QDir& theme, const QString& name, const std::vector<int>& sizes) {
    for (const int side : sizes) {
        const QString folder = QStringLiteral("%1x%1/apps").arg(side);
        const QString path = theme.filePath(folder + QLatin1Char('/') + name + ".png");
        if (!theme.mkpath(folder) || !drawTavloraIcon(side).save(path, "PNG")) {
            std::fprintf(stderr, "make_icons: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}

int writeIconFile(const QString& path, const std::vector<int>& sizes) {
    std::vector<QImage> images;
    for (const int side : sizes) {
        images.push_back(drawTavloraIcon(side));
    }
    const QByteArray bytes = iconFileBytes(images);
    QFile file(path);
    if (bytes.isEmpty() || !file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "make_icons: cannot write %s\n", qPrintable(path));
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr,
                     "usage: make_icons <hicolor folder> <icon name> <side>...\n"
                     "       make_icons --ico <file.ico> <side>...\n");
        return 2;
    }
    const bool ico = std::strcmp(argv[1], "--ico") == 0;
    const std::vector<int> sizes = sides(argc, argv, 3);
    if (sizes.empty()) {
        return 2;
    }
    const QString first = QString::fromLocal8Bit(argv[2]);
    return ico ? writeIconFile(first, sizes)
               : writeIconTheme(QDir(QString::fromLocal8Bit(argv[1])), first, sizes);
}
