#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>

#include "game/pictures/PictureLoader.h"
#include "tests/game/window/GameFixture.h"

namespace {

// These cases run once at the screen's own ratio and once more on a screen scaled by 2
// (QT_SCALE_FACTOR=2, see tests/CMakeLists.txt).
class HighDensity : public GameTest {
protected:
    // 800 x 800 of one-pixel black and white squares: any scaling turns it grey.
    QString checkerboard() {
        QImage image(800, 800, QImage::Format_RGB32);
        for (int y = 0; y < 800; ++y) {
            for (int x = 0; x < 800; ++x) {
                image.setPixel(x, y, (x + y) % 2 == 0 ? 0xff000000 : 0xffffffff);
            }
        }
        const QString path = folderPath("/checkers.png");
        EXPECT_TRUE(QImageWriter(path, "PNG").write(image));
        return path;
    }
    static bool isCheckerboard(const QImage& image) {
        for (int y = 0; y < image.height(); y += 7) {
            for (int x = 0; x < image.width(); x += 3) {
                if (image.pixel(x, y) != ((x + y) % 2 == 0 ? 0xff000000 : 0xffffffff)) {
                    return false;
                }
            }
        }
        return true;
    }
};

TEST_F(HighDensity, PictureAndTilesAreMadeAtTheScreensRatioInTheSameLayout) {
    openWindow();
    const qreal ratio = form->devicePixelRatioF();
    if (qEnvironmentVariable("QT_SCALE_FACTOR") == "2") {
        ASSERT_EQ(ratio, 2);
    }
    const int side = static_cast<int>(400 * ratio);
    form->Form_CommandLine({checkerboard()});
    settle();
    const QImage& picture = form->puzzlePicture();
    ASSERT_EQ(picture.size(), QSize(side, side));
    EXPECT_EQ(picture.devicePixelRatio(), ratio);
    if (ratio == 2) {
        EXPECT_TRUE(isCheckerboard(picture));  // one device pixel stays one device pixel
    }
    EXPECT_EQ(form->imgImage->pixmap().devicePixelRatio(), ratio);
    EXPECT_EQ(form->size(), QSize(584, 451));
    EXPECT_EQ(form->Frame5->geometry(), QRect(424, 352, 152, 55));
    EXPECT_EQ(form->PushButton2->geometry(), QRect(216, 418, 200, 27));

    startGame();
    for (int k = 0; k < 16; ++k) {
        const TileLabel* tile = form->boardView().control(k);
        EXPECT_EQ(tile->geometry(), QRect(1 + k % 4 * 100, 1 + k / 4 * 100, 100, 100));
        EXPECT_EQ(tile->pixmap().size(), QSize(side / 4, side / 4));
        EXPECT_EQ(tile->pixmap().devicePixelRatio(), ratio);
    }
    if (ratio == 2) {
        EXPECT_TRUE(isCheckerboard(form->boardView().control(0)->pixmap().toImage()));
        // Inside the board's and the tile's one-pixel frames, two device pixels each.
        EXPECT_TRUE(isCheckerboard(form->picBack->grab().toImage().copy(4, 4, 100, 100)));
    }
}

TEST_F(HighDensity, AnotherRatioMakesThePictureAndTheTilesAgainFromTheirSource) {
    openWindow();
    form->Form_CommandLine({checkerboard()});
    settle();
    startGame();
    const int shownBefore = shownCell(3);
    form->applyPixelRatio(1.5);
    settle();
    EXPECT_EQ(form->puzzlePicture().size(), QSize(600, 600));
    EXPECT_EQ(form->imgImage->pixmap().size(), QSize(600, 600));
    for (int k = 0; k < 16; ++k) {
        EXPECT_EQ(form->boardView().control(k)->pixmap().size(), QSize(150, 150));
        EXPECT_EQ(form->boardView().control(k)->size(), QSize(100, 100));
    }
    EXPECT_EQ(form->game().moveCount(), 0);  // the game goes on as it was
    EXPECT_EQ(shownCell(3), shownBefore);

    form->applyPixelRatio(2);  // back to a ratio where every pixel is kept
    settle();
    EXPECT_TRUE(isCheckerboard(form->puzzlePicture()));
    // Once the file has gone, the picture in hand is scaled instead.
    QFile::remove(folderPath("/checkers.png"));
    form->applyPixelRatio(1.25);
    settle();
    EXPECT_EQ(form->puzzlePicture().size(), QSize(500, 500));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(HighDensity, PastTheLargestSquareThePictureStaysAtItAndTheScreenScalesTheRest) {
    openWindow();
    form->Form_CommandLine({checkerboard()});
    settle();
    startGame();
    form->applyPixelRatio(6);
    settle();
    const QImage& picture = form->puzzlePicture();
    EXPECT_EQ(picture.size(), QSize(kMaxPuzzlePictureSide, kMaxPuzzlePictureSide));
    EXPECT_EQ(picture.deviceIndependentSize(), QSizeF(400, 400));
    for (int k = 0; k < 16; ++k) {
        EXPECT_EQ(form->boardView().control(k)->pixmap().deviceIndependentSize(), QSizeF(100, 100));
    }
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(HighDensity, APictureFileReplacedDuringTheGameIsNeverReadInItsPlace) {
    openWindow();
    // The same size and time of change, another picture: a bitmap of the same dimensions.
    const QString path = folderPath("/checkers.bmp");
    QImage board(800, 800, QImage::Format_RGB32);
    for (int y = 0; y < 800; ++y) {
        for (int x = 0; x < 800; ++x) {
            board.setPixel(x, y, (x + y) % 2 == 0 ? 0xff000000 : 0xffffffff);
        }
    }
    ASSERT_TRUE(board.save(path, "BMP"));
    form->Form_CommandLine({path});
    settle();
    startGame();
    const QDateTime modified = QFileInfo(path).lastModified();
    const qint64 size = QFileInfo(path).size();
    QImage other(800, 800, QImage::Format_RGB32);
    other.fill(Qt::red);
    ASSERT_TRUE(other.save(path, "BMP"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(modified, QFileDevice::FileModificationTime));
    file.close();
    ASSERT_EQ(QFileInfo(path).size(), size);
    ASSERT_EQ(QFileInfo(path).lastModified(), modified);

    form->applyPixelRatio(form->devicePixelRatioF() == 2 ? 1.5 : 2);
    settle();
    const QImage picture = form->puzzlePicture();
    // Scaled from the picture in hand: grey or black and white, never the red of the other file.
    for (const QPoint at : {QPoint(10, 10), QPoint(300, 200)}) {
        const QColor colour = picture.pixelColor(at);
        EXPECT_EQ(colour.red(), colour.blue()) << at.x() << "," << at.y();
    }
    const QColor tile = form->boardView().control(5)->pixmap().toImage().pixelColor(20, 20);
    EXPECT_EQ(tile.red(), tile.blue());
}

}  // namespace
