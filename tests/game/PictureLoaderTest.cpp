#include "game/PictureLoader.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QTemporaryDir>
#include <array>
#include <cstdlib>

#include "platform/Failure.h"
#include "tests/support/FileBytes.h"

namespace {

// An 8-bit RGB PNG; `rowData` is its filtered, uncompressed scan lines.
QByteArray rgbPng(int width, int height, const QByteArray& rowData) {
    QByteArray header;
    appendU32BigEndian(header, static_cast<quint32>(width));
    appendU32BigEndian(header, static_cast<quint32>(height));
    header.append("\x08\x02\x00\x00\x00", 5);
    // qCompress puts a 4-byte length before the zlib stream that PNG wants.
    const QByteArray compressed = qCompress(rowData, 1).mid(4);
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + pngChunk("IHDR", header) +
           pngChunk("IDAT", compressed) + pngChunk("IEND", QByteArray());
}

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
        EXPECT_TRUE(description.starts_with("Cannot load the picture " + path.toStdString() + ": "))
            << path.toStdString() << " gave: " << description;
        EXPECT_FALSE(description.ends_with("Unknown error")) << path.toStdString();
    }
}

TEST_F(PictureLoaderTest, TruncatedJpegGivesWhatWasDecodedAtFullSize) {
    QByteArray jpeg = bytesOf(save("whole.jpg", halves(300, 200), "jpeg"));
    jpeg.truncate(jpeg.size() * 2 / 3);
    const QImage picture = loadPuzzlePicture(write("cut.jpg", jpeg));
    EXPECT_EQ(picture.size(), QSize(kPuzzlePictureSide, kPuzzlePictureSide));
    EXPECT_TRUE(near(picture.pixel(20, 5), qRgb(255, 0, 0), 40));
}

TEST_F(PictureLoaderTest, OversizedHeaderIsRefusedBeforeDecodingAndLargePicturesStillLoad) {
    const int limitBefore = QImageReader::allocationLimit();

    // Only the header: decoding would need 3.6 GB.
    const QString giant = write("giant.png", rgbPng(30000, 30000, QByteArray(1, '\0')));
    EXPECT_EQ(refusal(giant), "Cannot load the picture " + giant.toStdString() +
                                  ": the picture is too large (30000 x 30000 pixels)");
    const QString justOver = write("over.png", rgbPng(10001, 10000, QByteArray(1, '\0')));
    EXPECT_NE(refusal(justOver).find("too large (10001 x 10000 pixels)"), std::string::npos);

    // 35 million pixels: a BMP decodes at full size first, which Qt's own default limit refuses.
    const QString large = temp.filePath("large.bmp");
    writeHalvesBmp(large, 7000, 5000);
    expectHalves(loadPuzzlePicture(large), 0);

    EXPECT_EQ(QImageReader::allocationLimit(), limitBefore);
}

}  // namespace
