// Pictures come out the way viewers show them: bitmaps stored top down the right way up, and
// photos turned as their orientation tag says.

#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QPainter>
#include <QTemporaryDir>
#include <array>
#include <cstdlib>
#include <string>

#include "game/pictures/PictureLoader.h"
#include "platform/Failure.h"
#include "tests/support/HandMadePictures.h"
#include "tests/support/TestFiles.h"

namespace {

// Top left red, top right green, bottom left blue, bottom right white.
enum Quadrant { kRed, kGreen, kBlue, kWhite };
constexpr std::array<QRgb, 4> kColours = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255),
                                          qRgb(255, 255, 255)};

QImage quadrants(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.fillRect(0, 0, width / 2, height / 2, kColours[kRed]);
    painter.fillRect(width / 2, 0, width - width / 2, height / 2, kColours[kGreen]);
    painter.fillRect(0, height / 2, width / 2, height - height / 2, kColours[kBlue]);
    painter.fillRect(width / 2, height / 2, width - width / 2, height - height / 2,
                     kColours[kWhite]);
    return image;
}

QByteArray encoded(const QImage& image, const char* format,
                   QImageIOHandler::Transformations transformation = {}) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(95);
    writer.setTransformation(transformation);
    EXPECT_TRUE(writer.write(image)) << writer.errorString().toStdString();
    return bytes;
}

bool near(QRgb actual, QRgb expected, int tolerance) {
    return std::abs(qRed(actual) - qRed(expected)) <= tolerance &&
           std::abs(qGreen(actual) - qGreen(expected)) <= tolerance &&
           std::abs(qBlue(actual) - qBlue(expected)) <= tolerance;
}

// The colours at the centres of the square's top left, top right, bottom left and bottom right
// quarters.
void expectQuarters(const QImage& picture, const std::array<QRgb, 4>& expected, int tolerance) {
    const int side = picture.width();
    ASSERT_EQ(picture.size(), QSize(side, side));
    const std::array<QPoint, 4> centres = {
        QPoint(side / 4, side / 4), QPoint(3 * side / 4, side / 4), QPoint(side / 4, 3 * side / 4),
        QPoint(3 * side / 4, 3 * side / 4)};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_TRUE(near(picture.pixel(centres[i]), expected[i], tolerance))
            << "quarter " << i << " is " << std::hex << picture.pixel(centres[i]) << ", not "
            << expected[i];
    }
}

std::array<QRgb, 4> colours(Quadrant topLeft, Quadrant topRight, Quadrant bottomLeft,
                            Quadrant bottomRight) {
    return {kColours[topLeft], kColours[topRight], kColours[bottomLeft], kColours[bottomRight]};
}

// Where each stored quarter shows for orientation tags 1 to 8, from the tag's definition: which
// side the first stored row and the first stored column end up on.
std::array<std::array<QRgb, 4>, 8> shownForEachTag() {
    return {
        colours(kRed, kGreen, kBlue, kWhite),  // 1: as stored
        colours(kGreen, kRed, kWhite, kBlue),  // 2: mirrored
        colours(kWhite, kBlue, kGreen, kRed),  // 3: half a turn
        colours(kBlue, kWhite, kRed, kGreen),  // 4: flipped
        colours(kRed, kBlue, kGreen, kWhite),  // 5: rows become columns
        colours(kBlue, kRed, kWhite, kGreen),  // 6: a quarter clockwise
        colours(kWhite, kGreen, kBlue, kRed),  // 7: rows become columns, the other way
        colours(kGreen, kWhite, kRed, kBlue),  // 8: a quarter anticlockwise
    };
}

// The TIFF structure of an EXIF block, as withExifOrientation() writes it into a JPEG.
QByteArray exifBlock(int orientation) {
    const QByteArray jpegWithExif = withExifOrientation(QByteArray("\xff\xd8", 2), orientation);
    return jpegWithExif.mid(2 + 4 + 6);  // after the start marker, the segment head and "Exif\0\0"
}

// A PNG with an eXIf chunk right after its header chunk.
QByteArray pngWithExif(const QByteArray& png, int orientation) {
    const qsizetype afterHeader = 8 + 8 + 13 + 4;
    return png.left(afterHeader) + pngChunk("eXIf", exifBlock(orientation)) + png.mid(afterHeader);
}

// A simple WebP file (one VP8 or VP8L chunk) made an extended one that carries an EXIF chunk.
QByteArray webpWithExif(const QByteArray& webp, int width, int height, int orientation) {
    QByteArray extended;
    extended.append('\x08');  // the EXIF flag
    extended.append(QByteArray(3, '\0'));
    for (const int side : {width - 1, height - 1}) {
        extended.append(static_cast<char>(side & 0xff));
        extended.append(static_cast<char>((side >> 8) & 0xff));
        extended.append(static_cast<char>((side >> 16) & 0xff));
    }
    QByteArray exif = exifBlock(orientation);
    QByteArray exifChunk("EXIF");
    appendU32LittleEndian(exifChunk, static_cast<quint32>(exif.size()));
    exifChunk += exif;
    if (exif.size() % 2 != 0) {
        exifChunk.append('\0');
    }
    QByteArray chunks("VP8X");
    appendU32LittleEndian(chunks, 10);
    chunks += extended + webp.mid(12) + exifChunk;
    QByteArray file("RIFF");
    appendU32LittleEndian(file, static_cast<quint32>(4 + chunks.size()));
    return file + "WEBP" + chunks;
}

class PictureOrientationTest : public ::testing::Test {
protected:
    QString write(const QString& name, const QByteArray& content) {
        const QString path = temp.filePath(name);
        testfiles::writeBytes(path, content);
        return path;
    }

    QTemporaryDir temp;
};

TEST_F(PictureOrientationTest, TopDownBitmapsLoadTheRightWayUpAtEveryDepth) {
    const QImage picture = quadrants(64, 48);
    for (int bits : {4, 8, 16, 24, 32}) {
        SCOPED_TRACE(std::to_string(bits) + " bits");
        const int tolerance = bits == 16 ? 8 : 0;  // 5 bits a channel
        for (bool topDown : {true, false}) {
            const QString path = write(QStringLiteral("%1-%2.bmp").arg(bits).arg(topDown),
                                       bitmapFile(picture, bits, topDown));
            expectQuarters(loadPuzzlePicture(path), colours(kRed, kGreen, kBlue, kWhite),
                           tolerance);
        }
    }
    // Two colours: black in the top left quarter only.
    QImage twoColours = picture;
    twoColours.fill(Qt::white);
    QPainter(&twoColours).fillRect(0, 0, 32, 24, Qt::black);
    expectQuarters(loadPuzzlePicture(write("1.bmp", bitmapFile(twoColours, 1, true))),
                   {qRgb(0, 0, 0), qRgb(255, 255, 255), qRgb(255, 255, 255), qRgb(255, 255, 255)},
                   0);
}

TEST_F(PictureOrientationTest, JpegIsTurnedAsEachOfTheEightOrientationTagsSays) {
    const QByteArray jpeg = encoded(quadrants(120, 80), "jpeg");
    const std::array<std::array<QRgb, 4>, 8> shown = shownForEachTag();
    constexpr int kJpegTolerance = 40;
    for (int tag = 1; tag <= 8; ++tag) {
        SCOPED_TRACE("orientation " + std::to_string(tag));
        const QByteArray tagged = withExifOrientation(jpeg, tag);
        const std::array<QRgb, 4>& expected = shown[static_cast<std::size_t>(tag - 1)];
        expectQuarters(loadPuzzlePicture(write(QStringLiteral("%1.jpg").arg(tag), tagged)),
                       expected, kJpegTolerance);
        // Held in memory, and decoded for a larger square, it turns the same way.
        expectQuarters(loadPuzzlePictureData(tagged, QStringLiteral("clipboard"), 800), expected,
                       kJpegTolerance);
    }
}

TEST_F(PictureOrientationTest, TiffIsTurnedAsItsOrientationTagSays) {
    const QByteArray tiff =
        encoded(quadrants(120, 80), "tiff", QImageIOHandler::TransformationRotate90);
    expectQuarters(loadPuzzlePicture(write("turned.tif", tiff)),
                   colours(kBlue, kRed, kWhite, kGreen), 0);
}

TEST_F(PictureOrientationTest, ATagOnABrokenFileIsRefusedAndABrokenTagIsIgnored) {
    const QByteArray jpeg = encoded(quadrants(120, 80), "jpeg");
    const QString cut = write("cut.jpg", withExifOrientation(jpeg, 6).left(jpeg.size() / 2));
    try {
        loadPuzzlePicture(cut);
        ADD_FAILURE() << "a cut file loaded";
    } catch (const Failure& failure) {
        EXPECT_EQ(failure.description(), "Cannot load the picture " + testfiles::nativePath(cut) +
                                             ": the file is damaged or is not a picture");
    }
    // A tag directory pointing outside its block, or a value no orientation has, leaves the
    // picture as stored.
    const std::array<QRgb, 4> asStored = colours(kRed, kGreen, kBlue, kWhite);
    expectQuarters(loadPuzzlePicture(write("outside.jpg", withExifOrientation(jpeg, 6, 4000))),
                   asStored, 40);
    expectQuarters(loadPuzzlePicture(write("ninety-nine.jpg", withExifOrientation(jpeg, 99))),
                   asStored, 40);
}

}  // namespace

TEST_F(PictureOrientationTest, PngAndWebpAreTurnedAsTheirExifBlockSays) {
    const QImage stored = quadrants(120, 80);
    const QByteArray png = encoded(stored, "png");
    const QByteArray webp = encoded(stored, "webp");
    ASSERT_TRUE(webp.startsWith("RIFF"));
    const std::array<std::array<QRgb, 4>, 8> shown = shownForEachTag();
    for (int tag = 1; tag <= 8; ++tag) {
        SCOPED_TRACE("orientation " + std::to_string(tag));
        const std::array<QRgb, 4>& expected = shown[static_cast<std::size_t>(tag - 1)];
        expectQuarters(
            loadPuzzlePicture(write(QStringLiteral("%1.png").arg(tag), pngWithExif(png, tag))),
            expected, 0);
        expectQuarters(
            loadPuzzlePictureData(webpWithExif(webp, 120, 80, tag), QStringLiteral("clipboard")),
            expected, 40);
    }
}
