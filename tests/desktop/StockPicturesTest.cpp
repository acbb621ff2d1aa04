#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <algorithm>
#include <cstdlib>

#include "game/pictures/PictureLoader.h"

namespace {

// How far apart two cells of the game's 400 x 400 picture look: the mean difference of their
// pixels, 0 to 255 per colour channel.
double cellDistance(const QImage& picture, int a, int b) {
    constexpr int kSide = 100;
    long long sum = 0;
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
            const QRgb p = picture.pixel((a % 4) * kSide + x, (a / 4) * kSide + y);
            const QRgb q = picture.pixel((b % 4) * kSide + x, (b / 4) * kSide + y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q));
        }
    }
    return static_cast<double>(sum) / (3.0 * kSide * kSide);
}

TEST(StockPictures, ThreeOrMoreCrispPicturesWhoseCellsAllLookDifferent) {
    const QFileInfoList pictures = QDir(TAVLORA_PICTURES_DIR).entryInfoList(QDir::Files);
    ASSERT_GE(pictures.size(), 3);
    for (const QFileInfo& file : pictures) {
        SCOPED_TRACE(file.fileName().toStdString());
        // "Load Picture" lists only these, so a picture of any other kind would stay hidden.
        EXPECT_TRUE(QStringList({"bmp", "dib", "gif", "jpeg", "jpg"}).contains(file.suffix()));
        EXPECT_GE(file.size(), 20 * 1024);
        EXPECT_LE(file.size(), 400 * 1024);
        EXPECT_EQ(QImageReader(file.filePath()).size(), QSize(800, 800));

        const QImage picture = loadPuzzlePicture(file.filePath());
        double closest = 255;
        for (int a = 0; a < 16; ++a) {
            for (int b = a + 1; b < 16; ++b) {
                closest = std::min(closest, cellDistance(picture, a, b));
            }
        }
        // Neighbouring cells of a plain gradient differ by 2 or 3; the stock pictures by 17 or
        // more.
        EXPECT_GE(closest, 12.0);
    }
}

}  // namespace
