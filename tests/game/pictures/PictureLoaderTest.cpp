#include "game/pictures/PictureLoader.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#endif
#ifndef _WIN32
#include <unistd.h>
#endif

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <array>
#include <cstdlib>

#include "platform/Failure.h"
#include "tests/support/FileBytes.h"
#include "tests/support/HandMadePictures.h"
#include "tests/support/OtherUser.h"
#include "tests/support/TestFiles.h"

namespace {

// A GIF whose pixel codes each follow a clear code, so the codes never outgrow 3 bits.
QByteArray gif(int width, int height, const std::array<QRgb, 4>& palette, auto colourIndexAt) {
    QByteArray bytes("GIF89a");
    auto putU16 = [&](int value) {
        bytes.append(static_cast<char>(value & 0xff));
        bytes.append(static_cast<char>(value >> 8));
    };
    putU16(width);
    putU16(height);
    bytes.append("\x91\x00\x00", 3);
    for (QRgb colour : palette) {
        bytes.append(static_cast<char>(qRed(colour)));
        bytes.append(static_cast<char>(qGreen(colour)));
        bytes.append(static_cast<char>(qBlue(colour)));
    }
    bytes.append('\x2c');
    putU16(0);
    putU16(0);
    putU16(width);
    putU16(height);
    bytes.append('\0');
    bytes.append('\x02');  // minimum code size: clear is 4, end is 5

    QByteArray codes;
    quint32 pending = 0;
    int pendingBits = 0;
    auto putCode = [&](int code) {
        pending |= static_cast<quint32>(code) << pendingBits;
        pendingBits += 3;
        while (pendingBits >= 8) {
            codes.append(static_cast<char>(pending & 0xff));
            pending >>= 8;
            pendingBits -= 8;
        }
    };
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            putCode(4);
            putCode(colourIndexAt(x, y));
        }
    }
    putCode(5);
    if (pendingBits > 0) {
        codes.append(static_cast<char>(pending));
    }
    for (qsizetype at = 0; at < codes.size(); at += 255) {
        const QByteArray block = codes.mid(at, 255);
        bytes.append(static_cast<char>(block.size()));
        bytes.append(block);
    }
    bytes.append('\0');
    bytes.append('\x3b');
    return bytes;
}

// A 24-bit BMP, red on the left and blue on the right, written a row at a time so that even a
// very large one needs no large buffer here.
void writeHalvesBmp(const QString& path, int width, int height) {
    const int rowBytes = (3 * width + 3) / 4 * 4;
    QByteArray header("BM");
    auto putU16 = [&](int value) {
        header.append(static_cast<char>(value & 0xff));
        header.append(static_cast<char>((value >> 8) & 0xff));
    };
    auto putU32 = [&](quint32 value) {
        putU16(static_cast<int>(value & 0xffff));
        putU16(static_cast<int>(value >> 16));
    };
    putU32(static_cast<quint32>(54 + static_cast<qint64>(rowBytes) * height));
    putU32(0);
    putU32(54);
    putU32(40);
    putU32(static_cast<quint32>(width));
    putU32(static_cast<quint32>(height));
    putU16(1);
    putU16(24);
    for (int i = 0; i < 6; ++i) {
        putU32(0);
    }
    QByteArray row(rowBytes, '\0');
    for (int x = 0; x < width; ++x) {
        row[3 * x + (x < width / 2 ? 2 : 0)] = '\xff';  // stored blue, green, red
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(header);
    for (int y = 0; y < height; ++y) {
        ASSERT_EQ(file.write(row), rowBytes);
    }
}

// Left half red, right half blue.
QImage halves(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QPainter(&image).fillRect(0, 0, width / 2, height, Qt::red);
    return image;
}

bool near(QRgb actual, QRgb expected, int tolerance) {
    return std::abs(qRed(actual) - qRed(expected)) <= tolerance &&
           std::abs(qGreen(actual) - qGreen(expected)) <= tolerance &&
           std::abs(qBlue(actual) - qBlue(expected)) <= tolerance;
}

class PictureLoaderTest : public ::testing::Test {
protected:
    QString write(const QString& name, const QByteArray& content) {
        const QString path = temp.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return path;
    }

    QString save(const QString& name, const QImage& image, const char* format) {
        const QString path = temp.filePath(name);
        QImageWriter writer(path, format);
        writer.setQuality(95);
        EXPECT_TRUE(writer.write(image)) << writer.errorString().toStdString();
        return path;
    }

    static QByteArray bytesOf(const QString& path) {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return file.readAll();
    }

    // The description of the Failure loading `path` raises, or "" when it loads.
    static std::string refusal(const QString& path) {
        try {
            loadPuzzlePicture(path);
        } catch (const Failure& failure) {
            return failure.description();
        }
        return "";
    }

    // A 400 x 400 puzzle picture, red on the left and blue on the right.
    static void expectHalves(const QImage& picture, int tolerance) {
        ASSERT_EQ(picture.size(), QSize(kPuzzlePictureSide, kPuzzlePictureSide));
        EXPECT_TRUE(picture.format() == QImage::Format_RGB32 ||
                    picture.format() == QImage::Format_ARGB32_Premultiplied)
            << picture.format();
        for (int y : {5, 200, 395}) {
            EXPECT_TRUE(near(picture.pixel(20, y), qRgb(255, 0, 0), tolerance)) << "y " << y;
            EXPECT_TRUE(near(picture.pixel(120, y), qRgb(255, 0, 0), tolerance)) << "y " << y;
            EXPECT_TRUE(near(picture.pixel(280, y), qRgb(0, 0, 255), tolerance)) << "y " << y;
            EXPECT_TRUE(near(picture.pixel(380, y), qRgb(0, 0, 255), tolerance)) << "y " << y;
        }
    }

    QTemporaryDir temp;
};

TEST_F(PictureLoaderTest, WidePictureIsSqueezedAndSmallOneEnlargedToTheSquare) {
    expectHalves(loadPuzzlePicture(save("wide.png", halves(1600, 90), "png")), 0);
    expectHalves(loadPuzzlePicture(save("small.png", halves(8, 3), "png")), 0);
}

TEST_F(PictureLoaderTest, EveryOfferedFormatLoadsWhateverItsName) {
    const QImage source = halves(120, 80);
    expectHalves(loadPuzzlePicture(save("p.png", source, "png")), 0);
    expectHalves(loadPuzzlePicture(save("p.bmp", source, "bmp")), 0);
    expectHalves(loadPuzzlePicture(save("p.jpeg", source, "jpeg")), 40);
    const std::array<QRgb, 4> palette = {qRgb(255, 0, 0), qRgb(0, 0, 255), qRgb(0, 0, 0),
                                         qRgb(0, 0, 0)};
    expectHalves(loadPuzzlePicture(write(
                     "p.gif", gif(60, 20, palette, [](int x, int) { return x < 30 ? 0 : 1; }))),
                 0);

    // The content decides, not the name; the name only for content no format claims.
    const QByteArray bitmap = bytesOf(save("b.bmp", source, "bmp"));
    expectHalves(loadPuzzlePicture(write("bitmap.dib", bitmap)), 0);
    expectHalves(loadPuzzlePicture(write("headerless.dib", bitmap.mid(14))), 0);
    expectHalves(loadPuzzlePicture(write("really-png.jpg", bytesOf(save("r.png", source, "png")))),
                 0);
}

TEST_F(PictureLoaderTest, FilesThatHoldNoPictureFailNamingTheFile) {
    QByteArray truncatedPng = bytesOf(save("whole.png", halves(300, 200), "png"));
    const QByteArray bitmap = bytesOf(save("whole.bmp", halves(30, 20), "bmp"));
    truncatedPng.truncate(truncatedPng.size() / 2);
    const std::vector<QString> bad = {
        temp.filePath("missing.jpg"),
        write("empty.jpg", QByteArray()),
        write("words.jpg", "This is a text file with a picture's name.\n"),
        write("words.dib", "Neither is this one, though no signature could tell.\n"),
        write("header-only.bmp", bitmap.left(20)),
        write("truncated.png", truncatedPng),
        temp.path(),
    };
    for (const QString& path : bad) {
        const std::string description = refusal(path);
        EXPECT_TRUE(description.starts_with("Cannot load the picture " +
                                            testfiles::nativePath(path) + ": "))
            << path.toStdString() << " gave: " << description;
        EXPECT_FALSE(description.ends_with("Unknown error")) << path.toStdString();
    }
}

// One rule for every format: a file that ends before its picture does is refused as damaged, so no
// part of a picture ever shows memory that no file wrote, or a decoder's guess at what was lost.
TEST_F(PictureLoaderTest, PicturesCutShortAreRefusedAsDamagedInEveryFormat) {
    // A colourful picture first, so that memory a decoder might leave unwritten holds colour.
    loadPuzzlePicture(save("colourful.bmp", halves(400, 400), "bmp"));

    const QImage source = halves(400, 400);
    QBuffer progressiveBytes;
    progressiveBytes.open(QIODevice::WriteOnly);
    QImageWriter progressive(&progressiveBytes, "jpeg");
    progressive.setProgressiveScanWrite(true);
    ASSERT_TRUE(progressive.write(source));
    const std::array<QRgb, 4> palette = {qRgb(255, 0, 0), qRgb(0, 0, 255), qRgb(0, 0, 0),
                                         qRgb(0, 0, 0)};
    const struct {
        const char* name;
        QByteArray whole;
    } pictures[] = {
        {"bitmap.bmp", bytesOf(save("whole.bmp", source, "bmp"))},
        {"picture.png", bytesOf(save("whole.png", source, "png"))},
        {"picture.gif", gif(60, 20, palette, [](int x, int) { return x < 30 ? 0 : 1; })},
        {"photo.jpg", bytesOf(save("whole.jpg", source, "jpeg"))},
        {"progressive.jpg", progressiveBytes.data()},
        {"picture.tif", bytesOf(save("whole.tif", source, "tiff"))},
        {"picture.webp", bytesOf(save("whole.webp", source, "webp"))},
    };
    for (const auto& picture : pictures) {
        SCOPED_TRACE(picture.name);
        expectHalves(
            loadPuzzlePicture(write(QStringLiteral("whole-") + picture.name, picture.whole)), 40);
        for (const qsizetype kept : {picture.whole.size() * 2 / 3, picture.whole.size() - 20}) {
            const QString cut = write(picture.name, picture.whole.left(kept));
            EXPECT_EQ(refusal(cut), "Cannot load the picture " + testfiles::nativePath(cut) +
                                        ": the file is damaged or is not a picture");
        }
    }
}

// A run-length bitmap may skip pixels, which the decoder then never writes; they show the first
// colour of the file's palette, not what the memory held before.
TEST_F(PictureLoaderTest, PixelsARunLengthBitmapSkipsShowItsFirstColour) {
    loadPuzzlePicture(
        save("colourful.bmp", halves(40, 30).convertToFormat(QImage::Format_Indexed8), "bmp"));
    const QImage picture = loadPuzzlePicture(write("skips.bmp", runLengthBitmapWithSkips(40, 30)));
    // Rows run bottom up: the first run is the bottom row's first ten pixels.
    EXPECT_EQ(picture.pixel(50, 395), qRgb(255, 0, 0));
    for (const QPoint skipped : {QPoint(5, 5), QPoint(200, 200), QPoint(395, 395)}) {
        EXPECT_EQ(picture.pixel(skipped), qRgb(255, 255, 255)) << skipped.x() << "," << skipped.y();
    }
}

TEST_F(PictureLoaderTest, OversizedHeaderIsRefusedBeforeDecodingAndLargePicturesStillLoad) {
    // Only the header: decoding would need 3.6 GB.
    const QString giant = write("giant.png", pngClaiming(30000, 30000));
    EXPECT_EQ(refusal(giant), "Cannot load the picture " + testfiles::nativePath(giant) +
                                  ": the picture is too large (30000 x 30000 pixels)");
    const QString justOver = write("over.png", pngClaiming(10001, 10000));
    EXPECT_NE(refusal(justOver).find("too large (10001 x 10000 pixels)"), std::string::npos);

    // 35 million pixels: a BMP decodes at full size first, 134 MiB.
    const QString large = temp.filePath("large.bmp");
    writeHalvesBmp(large, 7000, 5000);
    expectHalves(loadPuzzlePicture(large), 0);
}

TEST_F(PictureLoaderTest, SquareSideFollowsTheScreenAndHeldPicturesLoadLikeFiles) {
    const QString photo = save("photo.jpg", halves(1200, 900), "jpeg");
    for (const int side : {400, 600, 800}) {
        const QImage picture = loadPuzzlePicture(photo, side);
        EXPECT_EQ(picture.size(), QSize(side, side));
        EXPECT_TRUE(near(picture.pixel(side / 10, side / 2), qRgb(255, 0, 0), 40));
        EXPECT_TRUE(near(picture.pixel(side - side / 10, side / 2), qRgb(0, 0, 255), 40));
    }
    for (const int side : {0, kMaxPuzzlePictureSide + 1}) {
        EXPECT_THROW(loadPuzzlePicture(photo, side), Failure);
    }

    // Bytes from a clipboard or a file go through the same checks, and reports name the name.
    expectHalves(loadPuzzlePictureData(bytesOf(photo), "clipboard image"), 40);
    // Bytes of several megabytes reach the decoder a piece at a time.
    expectHalves(
        loadPuzzlePictureData(bytesOf(save("big.bmp", halves(1600, 1200), "bmp")), "big image"), 0);
    const QByteArray bitmap = bytesOf(save("b.bmp", halves(30, 20), "bmp"));
    expectHalves(loadPuzzlePictureData(bitmap.mid(14), "pasted.dib"), 0);
    for (const QByteArray& bad : {QByteArray(), QByteArray("words"), bitmap.left(100)}) {
        try {
            loadPuzzlePictureData(bad, "clipboard image");
            ADD_FAILURE() << "loaded " << bad.size() << " bytes";
        } catch (const Failure& failure) {
            EXPECT_EQ(failure.description(),
                      "Cannot load the picture clipboard image: the file is "
                      "damaged or is not a picture");
        }
    }
    EXPECT_EQ(refusal(temp.path()), "Cannot load the picture " +
                                        testfiles::nativePath(temp.path()) +
                                        ": it is a folder, not a picture");
}

TEST_F(PictureLoaderTest, WebpAndTiffLoadWithTheSameLimitsAndOtherPluginFormatsDoNot) {
    const QImage source = halves(120, 80);
    expectHalves(loadPuzzlePicture(save("p.webp", source, "webp")), 40);
    QImageWriter lossless(temp.filePath("lossless.webp"), "webp");
    lossless.setQuality(100);
    ASSERT_TRUE(lossless.write(source));
    expectHalves(loadPuzzlePicture(lossless.fileName()), 0);
    expectHalves(loadPuzzlePicture(save("p.tif", source, "tiff")), 0);
    expectHalves(loadPuzzlePicture(save("really-webp.png", source, "webp")), 40);

    // Qt's plugins also read TGA, which is known by a footer; a small one, written by hand.
    QByteArray tga("\x01\0\x02\0\0\0\0\0\0\0\0\0", 12);
    appendU16LittleEndian(tga, 2);
    appendU16LittleEndian(tga, 2);
    tga.append("\x18\x20x", 3);
    tga.append(QByteArray(12, '\x7f'));
    tga.append(QByteArray(8, '\0') + QByteArray("TRUEVISION-XFILE.\0", 18));
    const QString targa = write("p.tga", tga);
    EXPECT_EQ(refusal(targa), "Cannot load the picture " + testfiles::nativePath(targa) +
                                  ": the game does not read TGA pictures");
    const QStringList types = puzzlePictureMimeTypes();
    for (const char* type :
         {"image/bmp", "image/gif", "image/jpeg", "image/png", "image/tiff", "image/webp"}) {
        EXPECT_TRUE(types.contains(type)) << type;
    }
    EXPECT_FALSE(types.contains("image/x-tga"));
}

}  // namespace

#ifndef _WIN32
namespace {

// The loader's answer for `path` in a fresh process of a user other than root, where root would
// read past any permission: "loaded" or "refused: <description>". The process runs a copy of the
// loading program put in `folder`, which every user may enter.
std::string outcomeForUnprivilegedUser(const QString& path, const QString& folder) {
    QProcess child;
    otheruser::runAsPlayer(child,
                           otheruser::runnableCopy(QStringLiteral(PICTURE_PEAK_CHILD), folder));
    // The decoder too, where the player can reach it.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TAVLORA_TEST_DECODER"),
                       otheruser::runnableCopy(decoderProgram(), folder));
    child.setProcessEnvironment(environment);
    child.setArguments({path});
    child.start();
    EXPECT_TRUE(child.waitForFinished(30000));
    const QString output = QString::fromUtf8(child.readAllStandardOutput());
    const qsizetype at = output.indexOf(QStringLiteral("outcome="));
    return at < 0 ? output.toStdString() : output.mid(at + 8).trimmed().toStdString();
}

}  // namespace

TEST_F(PictureLoaderTest, PipesDevicesAndUnreadableFilesAreRefusedBeforeAnythingWaitsOnThem) {
    // Opening a pipe nobody writes, or reading /dev/zero, would never end.
    const QString pipe = temp.filePath("pipe.png");
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0644), 0);
    for (const QString& path : {pipe, QStringLiteral("/dev/zero")}) {
        EXPECT_EQ(refusal(path), "Cannot load the picture " + path.toStdString() +
                                     ": it is not a file but a pipe, a socket or a device");
    }

    // A folder the player may not search, and a file the player may not read.
    ASSERT_TRUE(QFile::setPermissions(temp.path(), QFile::ReadOwner | QFile::WriteOwner |
                                                       QFile::ExeOwner | QFile::ReadOther |
                                                       QFile::ExeOther));
    QDir(temp.path()).mkdir("locked");
    const QString inLocked = save("locked/photo.png", halves(40, 40), "png");
    const QString closed = save("closed.png", halves(40, 40), "png");
    ASSERT_TRUE(QFile::setPermissions(temp.filePath("locked"),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther));
    ASSERT_TRUE(QFile::setPermissions(closed, QFile::WriteOwner));
    for (const QString& path : {inLocked, closed}) {
        EXPECT_EQ(outcomeForUnprivilegedUser(path, temp.path()),
                  "refused: Cannot load the picture " + path.toStdString() +
                      ": the file cannot be read: permission denied");
    }
    EXPECT_EQ(outcomeForUnprivilegedUser(save("open.png", halves(40, 40), "png"), temp.path()),
              "loaded");
    QFile::setPermissions(temp.filePath("locked"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}
#else
TEST_F(PictureLoaderTest, PipesDevicesAndUnreadableFilesAreRefusedBeforeAnythingWaitsOnThem) {
    GTEST_SKIP() << "a named pipe in a folder exists only on Unix; Windows keeps its pipes and "
                    "devices outside the folders, where QFileInfo sees no ordinary file";
}
#endif
