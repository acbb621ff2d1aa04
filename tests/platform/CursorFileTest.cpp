#include "platform/CursorFile.h"

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <gtest/gtest.h>

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QPixmap>
#include <QTemporaryDir>
#include <cstdlib>
#include <vector>

#include "platform/Failure.h"
#include "tests/support/FileBytes.h"
#include "tests/support/TestFiles.h"

namespace {

constexpr int kSide = 32;

// A cursor directory with one entry whose image follows right after it.
QByteArray cursorFile(int hotX, int hotY, const QByteArray& image, int type = 2, int count = 1) {
    QByteArray bytes;
    appendU16LittleEndian(bytes, 0);
    appendU16LittleEndian(bytes, type);
    appendU16LittleEndian(bytes, count);
    bytes.append(static_cast<char>(kSide));
    bytes.append(static_cast<char>(kSide));
    bytes.append('\0');
    bytes.append('\0');
    appendU16LittleEndian(bytes, hotX);
    appendU16LittleEndian(bytes, hotY);
    appendU32LittleEndian(bytes, static_cast<quint32>(image.size()));
    appendU32LittleEndian(bytes, 22);
    return bytes + image;
}

// The drawing both cursor kinds carry: an opaque red top half over a transparent bottom half.
bool isTopHalf(int y) {
    return y < kSide / 2;
}

// The classic cursor image: a bitmap header, 32-bit rows bottom-up, then the 1-bit mask.
QByteArray bitmapImage() {
    QByteArray bytes;
    appendU32LittleEndian(bytes, 40);
    appendU32LittleEndian(bytes, kSide);
    appendU32LittleEndian(bytes, 2 * kSide);  // colour rows and mask rows together
    appendU16LittleEndian(bytes, 1);
    appendU16LittleEndian(bytes, 32);
    for (int i = 0; i < 6; ++i) {
        appendU32LittleEndian(bytes, 0);
    }
    for (int y = kSide - 1; y >= 0; --y) {
        for (int x = 0; x < kSide; ++x) {
            const char alpha = isTopHalf(y) ? '\xff' : '\0';
            bytes.append(isTopHalf(y) ? QByteArray("\0\0\xff", 3) : QByteArray(3, '\0'));
            bytes.append(alpha);
        }
    }
    for (int y = kSide - 1; y >= 0; --y) {
        bytes.append(QByteArray(4, isTopHalf(y) ? '\0' : '\xff'));
    }
    return bytes;
}

QByteArray pngImage() {
    QImage image(kSide, kSide, QImage::Format_ARGB32);
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
            image.setPixel(x, y, isTopHalf(y) ? qRgba(255, 0, 0, 255) : qRgba(0, 0, 0, 0));
        }
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

class CursorFileTest : public ::testing::Test {
protected:
    QString write(const QString& name, const QByteArray& content) {
        const QString path = temp.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return path;
    }

    static void expectDrawing(const QCursor& cursor) {
        const QImage image = cursor.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(image.size(), QSize(kSide, kSide));
        EXPECT_EQ(image.pixel(3, 2), qRgba(255, 0, 0, 255));
        EXPECT_EQ(qAlpha(image.pixel(30, 29)), 0);
    }

    QTemporaryDir temp;
};

TEST_F(CursorFileTest, BitmapCursorLoadsWithItsHotspot) {
    const QCursor cursor = loadCursorFile(write("HAND-M.CUR", cursorFile(5, 7, bitmapImage())));
    EXPECT_EQ(cursor.shape(), Qt::BitmapCursor);
    EXPECT_EQ(cursor.hotSpot(), QPoint(5, 7));
    expectDrawing(cursor);
}

TEST_F(CursorFileTest, PngCompressedCursorLoadsWithItsHotspot) {
    const QCursor cursor = loadCursorFile(write("png.cur", cursorFile(16, 31, pngImage())));
    EXPECT_EQ(cursor.hotSpot(), QPoint(16, 31));
    expectDrawing(cursor);
}

TEST_F(CursorFileTest, HotspotOutsideTheImageIsPulledOntoItsEdge) {
    const QCursor cursor = loadCursorFile(write("far.cur", cursorFile(40, 500, bitmapImage())));
    EXPECT_EQ(cursor.hotSpot(), QPoint(kSide - 1, kSide - 1));
}

TEST_F(CursorFileTest, FilesThatAreNotCursorsFailNamingTheFile) {
    QByteArray truncated = cursorFile(1, 1, bitmapImage());
    truncated.chop(100);
    std::vector<QString> bad = {
        temp.filePath("missing.cur"),
        write("empty.cur", QByteArray()),
        write("icon.ico", cursorFile(1, 1, bitmapImage(), 1)),
        write("none.cur", cursorFile(1, 1, bitmapImage(), 2, 0)),
        write("truncated.cur", truncated),
        write("junk.cur", cursorFile(1, 1, QByteArray(300, 'j'))),
        write("text.cur", QByteArray("This is not a cursor, only some words in a file.")),
        // A whole cursor, but past the 1 MiB that a cursor file may take.
        write("padded.cur", cursorFile(1, 1, bitmapImage()) + QByteArray(1024 * 1024, '\0')),
    };
#ifndef _WIN32
    // Nobody writes the pipe: opening it to read would hold the start for ever.
    bad.push_back(temp.filePath("pipe.cur"));
    ASSERT_EQ(mkfifo(QFile::encodeName(temp.filePath("pipe.cur")).constData(), 0644), 0);
#endif
    for (const QString& path : bad) {
        try {
            loadCursorFile(path);
            ADD_FAILURE() << path.toStdString() << " loaded";
        } catch (const Failure& failure) {
            EXPECT_TRUE(failure.description().starts_with("Cannot load the cursor " +
                                                          testfiles::nativePath(path) + ": "))
                << failure.description();
        }
    }
}

// A cursor is at most 256 x 256; an image whose own header claims more is refused before the
// decoder allocates for it, whatever size the directory gives.
TEST_F(CursorFileTest, ImagesClaimingMoreThanACursorIsAreRefusedBeforeDecoding) {
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    QByteArray header;
    appendU32BigEndian(header, 5000);
    appendU32BigEndian(header, 5000);
    header.append("\x08\x02\x00\x00\x00", 5);
    png += pngChunk("IHDR", header) + pngChunk("IEND", QByteArray());
    QByteArray wideBitmap = bitmapImage();
    wideBitmap[4] = static_cast<char>(0x2c);  // 300 wide
    wideBitmap[5] = 1;
    const struct {
        QString path;
        std::string claim;
    } cases[] = {
        {write("png.cur", cursorFile(1, 1, png)), "5000 x 5000"},
        {write("bitmap.cur", cursorFile(1, 1, wideBitmap)), "300 x 32"},
    };
    for (const auto& claim : cases) {
        try {
            loadCursorFile(claim.path);
            ADD_FAILURE() << claim.path.toStdString() << " loaded";
        } catch (const Failure& failure) {
            EXPECT_EQ(failure.description(), "Cannot load the cursor " +
                                                 testfiles::nativePath(claim.path) +
                                                 ": the cursor image is too large (" + claim.claim +
                                                 " pixels; a cursor is at most 256 x 256)");
        }
    }
}

// A file holding the cursor at several sizes: a PNG image a side, each a square of its own colour.
QByteArray sizedCursorFile(const std::vector<int>& sides, bool lastDamaged = false) {
    QByteArray directory;
    QByteArray images;
    appendU16LittleEndian(directory, 0);
    appendU16LittleEndian(directory, 2);
    appendU16LittleEndian(directory, static_cast<int>(sides.size()));
    for (const int side : sides) {
        QImage image(side, side, QImage::Format_ARGB32);
        image.fill(qRgba(side, 0, 0, 255));
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        if (lastDamaged && side == sides.back()) {
            png.truncate(60);
        }
        directory.append(static_cast<char>(side));
        directory.append(static_cast<char>(side));
        appendU16LittleEndian(directory, 0);
        appendU16LittleEndian(directory, side / 4);  // the hotspot at a quarter of each side
        appendU16LittleEndian(directory, side / 2);
        appendU32LittleEndian(directory, static_cast<quint32>(png.size()));
        appendU32LittleEndian(directory,
                              static_cast<quint32>(6 + 16 * sides.size() + images.size()));
        images += png;
    }
    return directory + images;
}

// The screen's pixel ratio picks the size drawn; the cursor keeps the first size on screen, and
// its hotspot the same place. An image that cannot be read leaves the first.
TEST_F(CursorFileTest, CursorOfSeveralSizesIsDrawnFromTheSizeThatSuitsTheScreen) {
    const QString several = write("several.cur", sizedCursorFile({32, 64, 48}));
    const struct {
        qreal ratio;
        int side;
    } cases[] = {{1.0, 32}, {1.25, 48}, {1.5, 48}, {2.0, 64}, {3.0, 64}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ratio);
        const QCursor cursor = loadCursorFile(several, c.ratio);
        const QPixmap pixmap = cursor.pixmap();
        EXPECT_EQ(pixmap.size(), QSize(c.side, c.side));
        EXPECT_EQ(pixmap.deviceIndependentSize(), QSizeF(kSide, kSide));
        EXPECT_EQ(qRed(pixmap.toImage().pixel(0, 0)), c.side);
        EXPECT_EQ(cursor.hotSpot(), QPoint(8, 16));
    }
    const QString damaged = write("damaged.cur", sizedCursorFile({32, 64}, true));
    EXPECT_EQ(loadCursorFile(damaged, 2.0).pixmap().size(), QSize(kSide, kSide));
    // One size alone is drawn at that size on any screen, as it always was.
    const QString single = write("single.cur", cursorFile(5, 7, pngImage()));
    const QCursor doubled = loadCursorFile(single, 2.0);
    EXPECT_EQ(doubled.pixmap().size(), QSize(kSide, kSide));
    EXPECT_EQ(doubled.hotSpot(), QPoint(5, 7));
}

// The build draws the game's own hand cursor into the program folder, beside the tests' folder, at
// three sizes; each points with the fingertip, its topmost pixel.
TEST(HandCursor, BuiltCursorLoadsAtEachSizeAndPointsWithItsTopmostPixel) {
    const QString path = QCoreApplication::applicationDirPath() + "/../bin/HAND-M.CUR";
    ASSERT_TRUE(QFile::exists(path)) << path.toStdString();
    for (const qreal ratio : {1.0, 1.5, 2.0}) {
        SCOPED_TRACE(ratio);
        const QCursor cursor = loadCursorFile(path, ratio);
        const QImage image = cursor.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(image.size(), QSize(kSide, kSide) * ratio);

        int topRow = -1;
        for (int y = 0; y < image.height() && topRow < 0; ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (qAlpha(image.pixel(x, y)) > 128) {
                    topRow = y;
                    break;
                }
            }
        }
        const QPoint hot = cursor.hotSpot() * ratio;
        EXPECT_LE(std::abs(hot.y() - topRow), static_cast<int>(ratio));
        EXPECT_GT(qAlpha(image.pixel(hot.x(), topRow)), 128);
    }
}

}  // namespace
