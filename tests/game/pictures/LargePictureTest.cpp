#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QTemporaryDir>
#include <array>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "game/pictures/PictureLoader.h"
#include "tests/support/FileBytes.h"

// The largest pictures the loader accepts, 10000 x 10000, as BMP, PNG, JPEG and GIF. Each must load
// (the formats without reduced-size decoding go through a full-size decode of 400 MB) and come out
// with its four quarters where they were.
namespace {

constexpr int kSide = 10000;
static_assert(static_cast<long long>(kSide) * kSide == kMaxPicturePixels);

// Top left red, top right green, bottom left blue, bottom right white.
constexpr std::array<QRgb, 4> kQuarterColours = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255),
                                                 qRgb(255, 255, 255)};

int quarterAt(int x, int y) {
    return (y < kSide / 2 ? 0 : 2) + (x < kSide / 2 ? 0 : 1);
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// Row y of a 24-bit BMP; the rows of each half are alike, so only two are ever built.
const QByteArray& bmpRow(int y) {
    static const auto build = [](int half) {
        QByteArray row;
        for (int x = 0; x < kSide; ++x) {
            const QRgb colour = kQuarterColours[static_cast<std::size_t>(quarterAt(x, half))];
            row.append(static_cast<char>(qBlue(colour)));
            row.append(static_cast<char>(qGreen(colour)));
            row.append(static_cast<char>(qRed(colour)));
        }
        return row;
    };
    static const QByteArray top = build(0);
    static const QByteArray bottom = build(kSide - 1);
    return y < kSide / 2 ? top : bottom;
}

// 24-bit, bottom-up as BMP stores it, written a row at a time.
void writeBmp(const QString& path) {
    const int rowBytes = 3 * kSide;  // a multiple of 4 already
    QByteArray header("BM");
    appendU32LittleEndian(header, static_cast<quint32>(54 + static_cast<qint64>(rowBytes) * kSide));
    appendU32LittleEndian(header, 0);
    appendU32LittleEndian(header, 54);
    appendU32LittleEndian(header, 40);
    appendU32LittleEndian(header, kSide);
    appendU32LittleEndian(header, kSide);
    appendU16LittleEndian(header, 1);
    appendU16LittleEndian(header, 24);
    for (int i = 0; i < 6; ++i) {
        appendU32LittleEndian(header, 0);
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(header);
    for (int y = kSide - 1; y >= 0; --y) {
        ASSERT_EQ(file.write(bmpRow(y)), rowBytes);
    }
}

// Bits filled into each byte from its least significant end, as deflate and GIF both pack them.
class BitWriter {
public:
    void put(quint32 value, int count) {
        pending_ |= static_cast<quint64>(value) << pendingCount_;
        pendingCount_ += count;
        while (pendingCount_ >= 8) {
            bytes.append(static_cast<char>(pending_ & 0xff));
            pending_ >>= 8;
            pendingCount_ -= 8;
        }
    }
    // Deflate sends its Huffman codes most significant bit first.
    void putCode(quint32 code, int length) {
        quint32 reversed = 0;
        for (int bit = 0; bit < length; ++bit) {
            reversed |= ((code >> bit) & 1U) << (length - 1 - bit);
        }
        put(reversed, length);
    }
    void flush() {
        if (pendingCount_ > 0) {
            put(0, 8 - pendingCount_);
        }
    }

    QByteArray bytes;

private:
    quint64 pending_ = 0;
    int pendingCount_ = 0;
};

// One deflate block with the fixed code table, able to say only what these pictures need: single
// bytes, and runs of a repeating unit of 1 to 4 bytes (the unit, then copies of 258 bytes from one
// unit back, the rest byte by byte).
class RunDeflater {
public:
    RunDeflater() {
        out_.put(1, 1);  // the last block
        out_.put(1, 2);  // fixed codes
    }
    void literal(quint8 byte) {
        if (byte < 144) {
            out_.putCode(0x30U + byte, 8);
        } else {
            out_.putCode(0x190U + byte - 144U, 9);
        }
    }
    void run(const QByteArray& unit, int length) {
        int done = 0;
        for (; done < unit.size() && done < length; ++done) {
            literal(static_cast<quint8>(unit[done]));
        }
        for (; length - done >= 258; done += 258) {
            out_.putCode(0xc5, 8);                                   // length 258
            out_.putCode(static_cast<quint32>(unit.size() - 1), 5);  // distance 1 to 4
        }
        for (; done < length; ++done) {
            literal(static_cast<quint8>(unit[done % unit.size()]));
        }
    }
    QByteArray finish() {
        out_.putCode(0, 7);  // end of block
        out_.flush();
        return out_.bytes;
    }

private:
    BitWriter out_;
};

// Adler-32 of a sequence of rows, each distinct row summed once however often it repeats.
class RowAdler {
public:
    struct Sums {
        quint64 length = 0;
        quint64 sum = 0;       // of the bytes
        quint64 weighted = 0;  // of (length - i) * byte i
    };
    static Sums sums(const QByteArray& row) {
        Sums result;
        result.length = static_cast<quint64>(row.size());
        for (qsizetype i = 0; i < row.size(); ++i) {
            const quint64 byte = static_cast<quint8>(row[i]);
            result.sum = (result.sum + byte) % kModulus;
            result.weighted =
                (result.weighted + (result.length - static_cast<quint64>(i)) * byte) % kModulus;
        }
        return result;
    }
    void add(const Sums& row) {
        b_ = (b_ + row.length % kModulus * a_ + row.weighted) % kModulus;
        a_ = (a_ + row.sum) % kModulus;
    }
    quint32 value() const { return static_cast<quint32>((b_ << 16) | a_); }

private:
    static constexpr quint64 kModulus = 65521;
    quint64 a_ = 1;
    quint64 b_ = 0;
};

// 8-bit truecolour, the kind that decodes to 4 bytes a pixel. Every row but the first of each
// half uses the "up" filter and so holds only zeros; the zlib stream is built here row by row
// rather than by compressing 300 MB.
void writePng(const QString& path) {
    const auto halfUnit = [](int y, int x) {
        const QRgb colour = kQuarterColours[static_cast<std::size_t>(quarterAt(x, y))];
        QByteArray unit;
        unit.append(static_cast<char>(qRed(colour)));
        unit.append(static_cast<char>(qGreen(colour)));
        unit.append(static_cast<char>(qBlue(colour)));
        return unit;
    };
    const int halfBytes = 3 * kSide / 2;
    // Row y in filtered form: filter byte, then left and right halves.
    const auto rowBytes = [&](int y) {
        if (y != 0 && y != kSide / 2) {
            return QByteArray(1, '\2') + QByteArray(3 * kSide, '\0');
        }
        return QByteArray(1, '\0') + halfUnit(y, 0).repeated(kSide / 2) +
               halfUnit(y, kSide - 1).repeated(kSide / 2);
    };
    const RowAdler::Sums topSums = RowAdler::sums(rowBytes(0));
    const RowAdler::Sums bottomSums = RowAdler::sums(rowBytes(kSide / 2));
    const RowAdler::Sums upSums = RowAdler::sums(rowBytes(1));

    RunDeflater deflater;
    RowAdler adler;
    for (int y = 0; y < kSide; ++y) {
        if (y == 0 || y == kSide / 2) {
            deflater.literal(0);
            deflater.run(halfUnit(y, 0), halfBytes);
            deflater.run(halfUnit(y, kSide - 1), halfBytes);
            adler.add(y == 0 ? topSums : bottomSums);
        } else {
            deflater.literal(2);  // up: the same as the row above
            deflater.run(QByteArray(1, '\0'), 3 * kSide);
            adler.add(upSums);
        }
    }
    QByteArray zlib("\x78\x01", 2);
    zlib += deflater.finish();
    appendU32BigEndian(zlib, adler.value());

    QByteArray header;
    appendU32BigEndian(header, kSide);
    appendU32BigEndian(header, kSide);
    header.append("\x08\x02\x00\x00\x00", 5);
    writeFile(path, QByteArray("\x89PNG\r\n\x1a\n", 8) + pngChunk("IHDR", header) +
                        pngChunk("IDAT", zlib) + pngChunk("IEND", QByteArray()));
}

// GIF's LZW with a four-colour palette: a code table as a trie over the four colours, cleared
// when it is full, with the code width following the decoder's own rule.
class GifLzw {
public:
    explicit GifLzw(QByteArray& out) : out_(out) { putClear(); }

    void add(int colour) {
        if (prefix_ < 0) {
            prefix_ = colour;
            return;
        }
        const int extended = child(prefix_, colour);
        if (extended != 0) {
            prefix_ = extended;
            return;
        }
        put(prefix_);
        child(prefix_, colour) = static_cast<qint16>(next_++);
        prefix_ = colour;
        if (next_ == kMaxCodes) {
            putClear();
        }
    }

    void finish() {
        if (prefix_ >= 0) {
            put(prefix_);
        }
        put(kEnd);
        packed_.flush();
        const QByteArray& codes = packed_.bytes;
        for (qsizetype at = 0; at < codes.size(); at += 255) {
            const QByteArray block = codes.mid(at, 255);
            out_.append(static_cast<char>(block.size()));
            out_.append(block);
        }
        out_.append('\0');
    }

    static constexpr int kMinimumCodeSize = 2;

private:
    static constexpr int kClear = 4;
    static constexpr int kEnd = 5;
    static constexpr int kMaxCodes = 4096;

    qint16& child(int code, int colour) {
        return children_[static_cast<std::size_t>(code * 4 + colour)];
    }

    void putClear() {
        packed_.put(kClear, width_);
        children_.assign(kMaxCodes * 4, 0);
        next_ = kEnd + 1;
        width_ = kMinimumCodeSize + 1;
        decoderNext_ = kEnd + 1;
        firstAfterClear_ = true;
    }

    void put(int code) {
        packed_.put(static_cast<quint32>(code), width_);
        // The decoder adds an entry for every code but the first after a clear and widens its
        // codes when the table reaches the next power of two.
        if (firstAfterClear_) {
            firstAfterClear_ = false;
        } else if (decoderNext_ < kMaxCodes) {
            ++decoderNext_;
            if (decoderNext_ >= (1 << width_) && width_ < 12) {
                ++width_;
            }
        }
    }

    QByteArray& out_;
    BitWriter packed_;
    std::vector<qint16> children_;
    int prefix_ = -1;
    int next_ = 0;
    int width_ = kMinimumCodeSize + 1;
    int decoderNext_ = 0;
    bool firstAfterClear_ = true;
};

void writeGif(const QString& path) {
    QByteArray bytes("GIF89a");
    appendU16LittleEndian(bytes, kSide);
    appendU16LittleEndian(bytes, kSide);
    bytes.append("\x91\x00\x00", 3);  // a global palette of 4 colours
    for (QRgb colour : kQuarterColours) {
        bytes.append(static_cast<char>(qRed(colour)));
        bytes.append(static_cast<char>(qGreen(colour)));
        bytes.append(static_cast<char>(qBlue(colour)));
    }
    bytes.append('\x2c');
    appendU16LittleEndian(bytes, 0);
    appendU16LittleEndian(bytes, 0);
    appendU16LittleEndian(bytes, kSide);
    appendU16LittleEndian(bytes, kSide);
    bytes.append('\0');
    bytes.append(static_cast<char>(GifLzw::kMinimumCodeSize));
    GifLzw lzw(bytes);
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
            lzw.add(quarterAt(x, y));
        }
    }
    lzw.finish();
    bytes.append('\x3b');
    writeFile(path, bytes);
}

// Through Qt's own writer, from a one-byte-a-pixel picture so that writing needs 100 MB, not 400.
void writeJpeg(const QString& path) {
    QImage image(kSide, kSide, QImage::Format_Indexed8);
    ASSERT_FALSE(image.isNull());
    image.setColorTable(QList<QRgb>(kQuarterColours.begin(), kQuarterColours.end()));
    for (int y = 0; y < kSide; ++y) {
        uchar* line = image.scanLine(y);
        std::memset(line, quarterAt(0, y), kSide / 2);
        std::memset(line + kSide / 2, quarterAt(kSide - 1, y), kSide / 2);
    }
    QImageWriter writer(path, "jpeg");
    writer.setQuality(75);
    ASSERT_TRUE(writer.write(image)) << writer.errorString().toStdString();
}

struct LargeFormat {
    const char* name;
    std::function<void(const QString&)> write;
};

// Names the case by its format in test listings, not by the bytes of the writer.
void PrintTo(const LargeFormat& format, std::ostream* out) {
    *out << format.name;
}

class LargePictureTest : public ::testing::TestWithParam<LargeFormat> {
protected:
    QTemporaryDir folder;
};

bool near(QRgb actual, QRgb expected) {
    constexpr int kTolerance = 24;  // JPEG moves flat colours a little
    return std::abs(qRed(actual) - qRed(expected)) <= kTolerance &&
           std::abs(qGreen(actual) - qGreen(expected)) <= kTolerance &&
           std::abs(qBlue(actual) - qBlue(expected)) <= kTolerance;
}

TEST_P(LargePictureTest, HundredMegapixelPictureLoadsWithItsQuartersInPlace) {
    const QString path = folder.filePath(QString("large.") + GetParam().name);
    GetParam().write(path);
    if (HasFatalFailure()) {
        return;
    }
    const int limitBefore = QImageReader::allocationLimit();

    const QImage picture = loadPuzzlePicture(path);

    ASSERT_EQ(picture.size(), QSize(kPuzzlePictureSide, kPuzzlePictureSide));
    const int quarterCentre = kPuzzlePictureSide / 4;
    for (int quarter = 0; quarter < 4; ++quarter) {
        const int x = quarterCentre + (quarter % 2) * kPuzzlePictureSide / 2;
        const int y = quarterCentre + (quarter / 2) * kPuzzlePictureSide / 2;
        EXPECT_TRUE(near(picture.pixel(x, y), kQuarterColours[static_cast<std::size_t>(quarter)]))
            << "quarter " << quarter << " is " << std::hex << picture.pixel(x, y);
    }
    EXPECT_EQ(QImageReader::allocationLimit(), limitBefore);
}

INSTANTIATE_TEST_SUITE_P(CommonFormats, LargePictureTest,
                         ::testing::Values(LargeFormat{"bmp", writeBmp},
                                           LargeFormat{"png", writePng},
                                           LargeFormat{"jpg", writeJpeg},
                                           LargeFormat{"gif", writeGif}),
                         [](const auto& format) { return std::string(format.param.name); });

}  // namespace
