// Draws the stock pictures into the given folder (the program folder's pictures/). The build runs
// it when a picture is missing or this tool has changed.

#include <QDir>
#include <QImageWriter>
#include <cstdio>

#include "game/tools/StockPictures.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_stock_pictures <folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "make_stock_pictures: cannot create %s\n", argv[1]);
        return 1;
    }
    for (const StockPicture& picture : stockPictures()) {
        QImageWriter writer(QDir(folder).filePath(picture.fileName), "jpeg");
        writer.setQuality(92);
        writer.setOptimizedWrite(true);
        if (!writer.write(picture.draw(kStockPictureSide))) {
            std::fprintf(stderr, "make_stock_pictures: cannot write %s: %s\n",
                         qPrintable(writer.fileName()), qPrintable(writer.errorString()));
            return 1;
        }
    }
    return 0;
}
