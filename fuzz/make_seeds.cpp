// Writes the seed corpus for the fuzz targets: small pictures drawn here and saved in every format
// Qt writes, cursor files built byte by byte, and style sheets. Seeds that are broken on purpose
// (cut short, or a header claiming a size nobody could hold) start the fuzzer next to the edges
// the loaders guard.
//   make_seeds <corpus folder>   (writes its picture/, cursor/ and skin/ folders)

#include <QBuffer>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "tests/support/FileBytes.h"
#include "tests/support/HandMadePictures.h"

namespace {

QDir gOut;

void writeSeed(const QString& name, const QByteArray& bytes) {
    QFile file(gOut.filePath(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
        std::exit(1);
    }
}

QByteArray encode(const QImage& image, const char* format, int quality = -1,
                  bool progressive = false, int compression = -1) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(quality);
    writer.setProgressiveScanWrite(progressive);
    if (compression >= 0) {
        writer.setCompression(compression);
    }
    if (!writer.write(image)) {
        std::fprintf(stderr, "cannot encode %s: %s\n", format, qPrintable(writer.errorString()));
        std::exit(1);
    }
    return bytes;
}

void setU16At(QByteArray& bytes, qsizetype at, int value) {
    bytes[at] = static_cast<char>(value & 0xff);
    bytes[at + 1] = static_cast<char>((value >> 8) & 0xff);
}

void setU32At(QByteArray& bytes, qsizetype at, quint32 value) {
    setU16At(bytes, at, static_cast<int>(value & 0xffff));
    setU16At(bytes, at + 2, static_cast<int>(value >> 16));
}

// A sky-to-grass gradient with a sun and a diagonal, so every cell of a puzzle differs.
QImage drawLandscape(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient sky(0, 0, 0, height);
    sky.setColorAt(0, QColor(40, 90, 200));
    sky.setColorAt(0.6, QColor(170, 210, 250));
    sky.setColorAt(0.61, QColor(60, 150, 40));
    sky.setColorAt(1, QColor(20, 80, 10));
    painter.fillRect(image.rect(), sky);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(250, 220, 40));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QPointF(width * 0.75, height * 0.25), width * 0.12, width * 0.12);
    painter.setPen(QPen(QColor(120, 60, 20), 2));
    painter.drawLine(0, height - 1, width - 1, height / 3);
    return image;
}

// A ring over full transparency, for the formats that keep alpha.
QImage drawRing(int side) {
    QImage image(side, side, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(200, 30, 30, 220), side / 6.0));
    painter.drawEllipse(QRectF(side * 0.2, side * 0.2, side * 0.6, side * 0.6));
    return image;
}

// --- PNG and BMP headers written by hand ------------------------------------------------------

// An RGB PNG whose header claims the given size but whose data holds a single byte.
QByteArray pngClaiming(quint32 width, quint32 height) {
    QByteArray header;
    appendU32BigEndian(header, width);
    appendU32BigEndian(header, height);
    header.append("\x08\x02\x00\x00\x00", 5);
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + pngChunk("IHDR", header) +
           pngChunk("IDAT", qCompress(QByteArray(1, '\0'), 1).mid(4)) +
           pngChunk("IEND", QByteArray());
}

// A 24-bit BMP header claiming the given size, followed by one row of pixels only.
QByteArray bmpClaiming(qint32 width, qint32 height) {
    QByteArray bytes("BM");
    appendU32LittleEndian(bytes, 0);
    appendU32LittleEndian(bytes, 0);
    appendU32LittleEndian(bytes, 54);
    appendU32LittleEndian(bytes, 40);
    appendU32LittleEndian(bytes, static_cast<quint32>(width));
    appendU32LittleEndian(bytes, static_cast<quint32>(height));
    appendU16LittleEndian(bytes, 1);
    appendU16LittleEndian(bytes, 24);
    for (int i = 0; i < 6; ++i) {
        appendU32LittleEndian(bytes, 0);
    }
    bytes.append(QByteArray(64, '\x7f'));
    return bytes;
}

// Overwrites the frame size in a JPEG's start-of-frame marker.
QByteArray jpegClaiming(QByteArray jpeg, int width, int height) {
    for (qsizetype at = 2; at + 9 < jpeg.size(); ++at) {
        const auto marker = static_cast<quint8>(jpeg[at + 1]);
        if (static_cast<quint8>(jpeg[at]) == 0xff && (marker == 0xc0 || marker == 0xc2)) {
            jpeg[at + 5] = static_cast<char>(height >> 8);
            jpeg[at + 6] = static_cast<char>(height & 0xff);
            jpeg[at + 7] = static_cast<char>(width >> 8);
            jpeg[at + 8] = static_cast<char>(width & 0xff);
            return jpeg;
        }
    }
    std::fprintf(stderr, "no frame header in the JPEG\n");
    std::exit(1);
}

// Overwrites the width and height in the first directory of a little-endian TIFF (as Qt writes
// it), and makes the whole picture one strip when `oneStrip` is set.
QByteArray tiffClaiming(QByteArray tiff, quint32 width, quint32 height, bool oneStrip) {
    const auto u16 = [&](qsizetype at) {
        return static_cast<quint16>(static_cast<quint8>(tiff[at]) |
                                    static_cast<quint8>(tiff[at + 1]) << 8);
    };
    const qsizetype directory = u16(4) | static_cast<qsizetype>(u16(6)) << 16;
    const int entries = u16(directory);
    for (int entry = 0; entry < entries; ++entry) {
        const qsizetype at = directory + 2 + entry * 12;
        const int tag = u16(at);
        if (tag == 256 || tag == 257 || (oneStrip && tag == 278)) {
            setU16At(tiff, at + 2, 4);  // LONG, so any size fits
            setU32At(tiff, at + 8, tag == 256 ? width : height);
        }
    }
    return tiff;
}

// Overwrites the size in a WebP's first frame header, lossy or lossless.
QByteArray webpClaiming(QByteArray webp, int width, int height) {
    if (webp.mid(12, 4) == "VP8 ") {
        setU16At(webp, 26, width & 0x3fff);
        setU16At(webp, 28, height & 0x3fff);
    } else if (webp.mid(12, 4) == "VP8L") {
        const auto alphaAndVersion = static_cast<quint32>(static_cast<quint8>(webp[24]) >> 4) << 28;
        setU32At(webp, 21,
                 static_cast<quint32>((width - 1) & 0x3fff) |
                     static_cast<quint32>((height - 1) & 0x3fff) << 14 | alphaAndVersion);
    } else {
        std::fprintf(stderr, "no frame header in the WebP\n");
        std::exit(1);
    }
    return webp;
}

// An animated WebP with a canvas of `width` x `height` and one frame: the lossless bitstream of
// `frame` (a Qt-written lossless WebP) placed at the canvas's top left corner.
QByteArray animatedWebp(const QByteArray& frame, int width, int height) {
    const QByteArray bitstream = frame.mid(12);  // the "VP8L" chunk, header and all
    const int frameWidth =
        static_cast<int>((static_cast<quint32>(static_cast<quint8>(frame[21])) |
                          static_cast<quint32>(static_cast<quint8>(frame[22])) << 8) &
                         0x3fff) +
        1;
    const int frameHeight =
        static_cast<int>(((static_cast<quint32>(static_cast<quint8>(frame[22])) >> 6 |
                           static_cast<quint32>(static_cast<quint8>(frame[23])) << 2 |
                           static_cast<quint32>(static_cast<quint8>(frame[24])) << 10) &
                          0x3fff)) +
        1;
    const auto u24 = [](QByteArray& bytes, int value) {
        bytes.append(static_cast<char>(value & 0xff));
        bytes.append(static_cast<char>((value >> 8) & 0xff));
        bytes.append(static_cast<char>((value >> 16) & 0xff));
    };
    const auto chunk = [](const char* name, const QByteArray& body) {
        QByteArray bytes(name, 4);
        appendU32LittleEndian(bytes, static_cast<quint32>(body.size()));
        bytes += body;
        if (body.size() % 2 != 0) {
            bytes.append('\0');
        }
        return bytes;
    };
    QByteArray features("\x12\0\0\0", 4);  // animation and transparency
    u24(features, width - 1);
    u24(features, height - 1);
    QByteArray animation;
    appendU32LittleEndian(animation, 0xffffffffU);  // background
    appendU16LittleEndian(animation, 0);            // loop for ever
    QByteArray frameHeader;
    u24(frameHeader, 0);
    u24(frameHeader, 0);
    u24(frameHeader, frameWidth - 1);
    u24(frameHeader, frameHeight - 1);
    u24(frameHeader, 100);
    frameHeader.append('\0');
    const QByteArray body = "WEBP" + chunk("VP8X", features) + chunk("ANIM", animation) +
                            chunk("ANMF", frameHeader + bitstream);
    QByteArray riff("RIFF");
    appendU32LittleEndian(riff, static_cast<quint32>(body.size()));
    return riff + body;
}

// Reproducers of what an outside check of the loader found, each remade here, and neighbours of
// each: other bit depths, components, canvases and claims.
void writeFoundPictureSeeds(const QImage& landscape) {
    const QImage square = drawLandscape(16, 16);
    writeSeed("topdown-16x16-24bit.bmp", bitmapFile(square, 24, true));
    for (int bits : {1, 4, 8, 16, 32}) {
        writeSeed(QStringLiteral("topdown-%1bit.bmp").arg(bits), bitmapFile(landscape, bits, true));
    }
    writeSeed("rle-skips.bmp", runLengthBitmapWithSkips(40, 30));

    const std::vector<JpegComponent> cmyk(4);
    const std::vector<JpegComponent> ycbcr444(3);
    const std::vector<JpegComponent> ycbcr420 = {{2, 2}, {1, 1}, {1, 1}};
    const std::vector<JpegComponent> grey(1);
    writeSeed("jpeg-progressive-cmyk-65500x1526.jpg",
              coefficientHungryJpeg(65500, 1526, cmyk, true, 3800));
    writeSeed("jpeg-progressive-rgb-65500x1526.jpg",
              coefficientHungryJpeg(65500, 1526, ycbcr444, true, 3800));
    writeSeed("jpeg-progressive-grey-65500x1526.jpg",
              coefficientHungryJpeg(65500, 1526, grey, true, 3800));
    writeSeed("jpeg-progressive-420-8000x6000.jpg",
              coefficientHungryJpeg(8000, 6000, ycbcr420, true, 3800));
    writeSeed("jpeg-scan-per-component-30000x3000.jpg",
              coefficientHungryJpeg(30000, 3000, ycbcr444, false, 3800));

    writeSeed("gif-canvas-10000-frame-1x1.gif", gifWithCanvas(10000, 10000, 0, 0, 1, 1));
    writeSeed("gif-canvas-10001x10000-frame-1x1.gif", gifWithCanvas(10001, 10000, 0, 0, 1, 1));
    writeSeed("gif-canvas-65535-frame-1x1.gif", gifWithCanvas(65535, 65535, 0, 0, 1, 1));
    writeSeed("gif-no-canvas-frame-3000x2000.gif", gifWithCanvas(0, 0, 100, 50, 3000, 2000));
    writeSeed("gif-canvas-10-frame-5000.gif", gifWithCanvas(10, 10, 0, 0, 5000, 5000));
    writeSeed("gif-restore-canvas-10000-frame-10000.gif",
              gifWithCanvas(10000, 10000, 0, 0, 10000, 10000, 3));
    writeSeed("gif-restore-canvas-4000-frame-4000.gif",
              gifWithCanvas(4000, 4000, 0, 0, 4000, 4000, 3));

    const QByteArray bitmap = encode(drawLandscape(400, 400), "bmp");
    writeSeed("cut-short-400x400-24bit.bmp", bitmap.left(20000));
    const QByteArray progressive = encode(landscape, "jpeg", 60, true);
    writeSeed("cut-short-progressive.jpg", progressive.left(progressive.size() * 2 / 3));

    const QByteArray jpeg = encode(landscape, "jpeg", 80);
    writeSeed("exif-orientation-6.jpg", withExifOrientation(jpeg, 6));
    writeSeed("exif-orientation-5.jpg", withExifOrientation(jpeg, 5));
    writeSeed("exif-directory-outside.jpg", withExifOrientation(jpeg, 8, 0xfffffff0U));
    writeSeed("exif-orientation-99.jpg", withExifOrientation(jpeg, 99));
}

// TIFF and WebP, as the image format plugins write them, and claims beyond what the game holds.
void writePluginPictureSeeds(const QImage& landscape, const QImage& ring) {
    const QByteArray tiff = encode(landscape, "tiff");
    // Compressed, so that libtiff keeps a strip whole instead of cutting it into rows.
    const QByteArray lzw = encode(landscape, "tiff", -1, false, 1);
    writeSeed("landscape.tif", tiff);
    writeSeed("landscape-lzw.tif", lzw);
    writeSeed("landscape-grey.tif",
              encode(landscape.convertToFormat(QImage::Format_Grayscale8), "tiff"));
    // Qt's TIFF writer always writes 256 palette entries, so the palette is filled out to 256 here
    // for the seed to come out the same every time.
    QImage indexed = landscape.convertToFormat(QImage::Format_Indexed8);
    indexed.setColorCount(256);
    writeSeed("landscape-indexed.tif", encode(indexed, "tiff"));
    writeSeed("landscape-mono.tif", encode(landscape.convertToFormat(QImage::Format_Mono), "tiff"));
    writeSeed("landscape-16bit.tif",
              encode(landscape.convertToFormat(QImage::Format_RGBX64), "tiff"));
    writeSeed("ring-alpha.tif", encode(ring, "tiff"));
    writeSeed("tiff-claims-30000x30000.tif", tiffClaiming(tiff, 30000, 30000, false));
    writeSeed("tiff-one-strip-9000x9000.tif", tiffClaiming(lzw, 9000, 9000, true));
    writeSeed("tiff-strips-9000x9000.tif", tiffClaiming(tiff, 9000, 9000, false));
    writeSeed("cut-short.tif", tiff.left(tiff.size() * 2 / 3));

    const QByteArray lossy = encode(landscape, "webp", 80);
    const QByteArray lossless = encode(landscape, "webp", 100);
    writeSeed("landscape.webp", lossy);
    writeSeed("landscape-lossless.webp", lossless);
    writeSeed("ring-alpha.webp", encode(ring, "webp", 80));
    writeSeed("webp-claims-16383x16383.webp", webpClaiming(lossy, 16383, 16383));
    writeSeed("webp-lossless-claims-9000x9000.webp", webpClaiming(lossless, 9000, 9000));
    const QByteArray dot = encode(drawRing(4), "webp", 100);
    writeSeed("webp-animation-canvas-4000.webp", animatedWebp(dot, 4000, 4000));
    writeSeed("webp-animation-canvas-10000.webp", animatedWebp(dot, 10000, 10000));
    writeSeed("cut-short.webp", lossy.left(lossy.size() * 2 / 3));
}

void writePictureSeeds() {
    const QImage landscape = drawLandscape(40, 30);
    const QImage ring = drawRing(24);

    writeSeed("landscape.png", encode(landscape, "png"));
    writeSeed("ring-alpha.png", encode(ring, "png"));
    writeSeed("landscape-indexed.png",
              encode(landscape.convertToFormat(QImage::Format_Indexed8), "png"));
    writeSeed("landscape-grey.png",
              encode(landscape.convertToFormat(QImage::Format_Grayscale8), "png"));
    writeSeed("ring-16bit.png", encode(ring.convertToFormat(QImage::Format_RGBA64), "png"));
    writeSeed("landscape.bmp", encode(landscape, "bmp"));
    writeSeed("landscape-indexed.bmp",
              encode(landscape.convertToFormat(QImage::Format_Indexed8), "bmp"));
    writeSeed("landscape-mono.bmp", encode(landscape.convertToFormat(QImage::Format_Mono), "bmp"));
    writeSeed("ring-alpha.bmp", encode(ring, "bmp"));
    writeSeed("landscape.jpg", encode(landscape, "jpeg", 80));
    writeSeed("landscape-progressive.jpg", encode(landscape, "jpeg", 60, true));
    writeSeed("landscape-grey.jpg",
              encode(landscape.convertToFormat(QImage::Format_Grayscale8), "jpeg", 70));
    writeSeed("ring.ico", encode(ring, "ico"));
    writeSeed("landscape.ppm", encode(landscape, "ppm"));
    writeSeed("landscape.pgm", encode(landscape, "pgm"));
    writeSeed("landscape.pbm", encode(landscape.convertToFormat(QImage::Format_Mono), "pbm"));
    writeSeed("ring.xpm", encode(drawRing(12), "xpm"));
    writeSeed("landscape.xbm", encode(landscape.convertToFormat(QImage::Format_Mono), "xbm"));

    // Headers that claim more pixels than the game holds, or more than memory holds.
    writeSeed("claims-30000x30000.png", pngClaiming(30000, 30000));
    writeSeed("claims-10001x10000.bmp", bmpClaiming(10001, 10000));
    writeSeed("claims-negative-height.bmp", bmpClaiming(40, -2147483647));
    writeSeed("claims-65000x65000.jpg", jpegClaiming(encode(landscape, "jpeg", 50), 65000, 65000));

    QByteArray png = encode(landscape, "png");
    writeSeed("cut-short.png", png.left(png.size() / 2));
    QByteArray jpeg = encode(landscape, "jpeg", 80);
    writeSeed("cut-short.jpg", jpeg.left(jpeg.size() * 2 / 3));
    writeSeed("not-a-picture.txt", "Only words, in a file that the player took for a picture.\n");

    writeFoundPictureSeeds(landscape);
    writePluginPictureSeeds(landscape, ring);
}

// --- Cursors -------------------------------------------------------------------------------------

struct CursorImage {
    int width;
    int height;
    int hotX;
    int hotY;
    QByteArray bytes;
};

QByteArray cursorFile(const std::vector<CursorImage>& images, int type = 2) {
    QByteArray bytes;
    appendU16LittleEndian(bytes, 0);
    appendU16LittleEndian(bytes, type);
    appendU16LittleEndian(bytes, static_cast<int>(images.size()));
    auto offset = static_cast<quint32>(6 + 16 * images.size());
    for (const CursorImage& image : images) {
        bytes.append(static_cast<char>(image.width & 0xff));
        bytes.append(static_cast<char>(image.height & 0xff));
        bytes.append('\0');
        bytes.append('\0');
        appendU16LittleEndian(bytes, image.hotX);
        appendU16LittleEndian(bytes, image.hotY);
        appendU32LittleEndian(bytes, static_cast<quint32>(image.bytes.size()));
        appendU32LittleEndian(bytes, offset);
        offset += static_cast<quint32>(image.bytes.size());
    }
    for (const CursorImage& image : images) {
        bytes += image.bytes;
    }
    return bytes;
}

// The classic cursor image: a bitmap header with doubled height, an optional colour table, the
// colour rows bottom-up and then the 1-bit transparency mask, rows padded to 4 bytes.
QByteArray bitmapCursorImage(const QImage& drawing, int bitsPerPixel) {
    const int width = drawing.width();
    const int height = drawing.height();
    QByteArray bytes;
    appendU32LittleEndian(bytes, 40);
    appendU32LittleEndian(bytes, static_cast<quint32>(width));
    appendU32LittleEndian(bytes, static_cast<quint32>(2 * height));
    appendU16LittleEndian(bytes, 1);
    appendU16LittleEndian(bytes, bitsPerPixel);
    for (int i = 0; i < 6; ++i) {
        appendU32LittleEndian(bytes, 0);
    }

    QImage indexed;
    if (bitsPerPixel <= 8) {
        QList<QRgb> table;
        const int colours = 1 << bitsPerPixel;
        for (int i = 0; i < colours; ++i) {
            const int level = 255 * i / (colours - 1);
            table.append(qRgb(level, level / 2, 255 - level));
        }
        indexed = drawing.convertToFormat(QImage::Format_Indexed8, table, Qt::ThresholdDither);
        for (const QRgb colour : table) {
            bytes.append(static_cast<char>(qBlue(colour)));
            bytes.append(static_cast<char>(qGreen(colour)));
            bytes.append(static_cast<char>(qRed(colour)));
            bytes.append('\0');
        }
    }
    const int rowBytes = (width * bitsPerPixel + 31) / 32 * 4;
    for (int y = height - 1; y >= 0; --y) {
        QByteArray row(rowBytes, '\0');
        for (int x = 0; x < width; ++x) {
            const QRgb pixel = drawing.pixel(x, y);
            if (bitsPerPixel <= 8) {
                const int index = indexed.pixelIndex(x, y);
                const int bit = x * bitsPerPixel;
                const int shift = 8 - bitsPerPixel - bit % 8;
                row[bit / 8] = static_cast<char>(row[bit / 8] | (index << shift));
            } else {
                const int at = x * bitsPerPixel / 8;
                row[at] = static_cast<char>(qBlue(pixel));
                row[at + 1] = static_cast<char>(qGreen(pixel));
                row[at + 2] = static_cast<char>(qRed(pixel));
                if (bitsPerPixel == 32) {
                    row[at + 3] = static_cast<char>(qAlpha(pixel));
                }
            }
        }
        bytes += row;
    }
    const int maskBytes = (width + 31) / 32 * 4;
    for (int y = height - 1; y >= 0; --y) {
        QByteArray row(maskBytes, '\0');
        for (int x = 0; x < width; ++x) {
            if (qAlpha(drawing.pixel(x, y)) < 128) {
                row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
            }
        }
        bytes += row;
    }
    return bytes;
}

void writeCursorSeeds() {
    const QImage arrow = drawRing(32);
    const QImage small = drawRing(16);
    const QByteArray image32 = bitmapCursorImage(arrow, 32);

    writeSeed("bitmap-32bit.cur", cursorFile({{32, 32, 5, 7, image32}}));
    writeSeed("bitmap-24bit.cur", cursorFile({{32, 32, 16, 16, bitmapCursorImage(arrow, 24)}}));
    writeSeed("bitmap-8bit.cur", cursorFile({{16, 16, 0, 0, bitmapCursorImage(small, 8)}}));
    writeSeed("bitmap-4bit.cur", cursorFile({{16, 16, 3, 12, bitmapCursorImage(small, 4)}}));
    writeSeed("bitmap-1bit.cur", cursorFile({{32, 32, 31, 31, bitmapCursorImage(arrow, 1)}}));
    writeSeed("png.cur", cursorFile({{32, 32, 11, 1, encode(arrow, "png")}}));
    writeSeed("two-sizes.cur", cursorFile({{16, 16, 2, 2, bitmapCursorImage(small, 32)},
                                           {32, 32, 4, 4, bitmapCursorImage(arrow, 1)}}));
    writeSeed("hotspot-outside.cur", cursorFile({{32, 32, 40000, 500, image32}}));
    writeSeed("icon-type.cur", cursorFile({{32, 32, 1, 1, image32}}, 1));

    // Broken on purpose: a bitmap header claiming a huge picture, a directory that points past the
    // end of the file, a count of zero, a cut-short file.
    QByteArray huge = cursorFile({{32, 32, 1, 1, image32}});
    setU32At(huge, 22 + 4, 0x7fffffff);
    setU32At(huge, 22 + 8, 0x7ffffffe);
    writeSeed("claims-huge-bitmap.cur", huge);
    QByteArray pastEnd = cursorFile({{32, 32, 1, 1, image32}});
    setU32At(pastEnd, 6 + 12, 0xfffffff0U);
    writeSeed("offset-past-end.cur", pastEnd);
    QByteArray empty = cursorFile({{32, 32, 1, 1, image32}});
    setU16At(empty, 4, 0);
    writeSeed("no-images.cur", empty);
    writeSeed("cut-short.cur", cursorFile({{32, 32, 1, 1, image32}}).left(300));

    // Images whose own headers claim more than any cursor is, whatever the directory says: the
    // reproducer of an outside check's finding and its neighbours.
    writeSeed("cursor-png-claims-5000x5000.cur",
              cursorFile({{32, 32, 3, 3, pngClaiming(5000, 5000)}}));
    writeSeed("cursor-png-claims-257x256.cur", cursorFile({{0, 0, 3, 3, pngClaiming(257, 256)}}));
    QByteArray wideBitmap = bitmapCursorImage(arrow, 32);
    setU32At(wideBitmap, 4, 300);
    setU32At(wideBitmap, 8, 600);
    writeSeed("cursor-bitmap-claims-300x300.cur", cursorFile({{0, 0, 1, 1, wideBitmap}}));
    writeSeed("cursor-second-image-claims-4000x4000.cur",
              cursorFile({{32, 32, 1, 1, image32}, {0, 0, 1, 1, pngClaiming(4000, 4000)}}));
}

// An icon among the pictures whose bitmap header claims the largest sizes there are: what the
// picture loader works out decoding it takes must not overflow.
void writeIconPictureSeeds() {
    QByteArray icon = cursorFile({{32, 32, 0, 0, bitmapCursorImage(drawRing(32), 32)}}, 1);
    setU32At(icon, 22 + 4, 0x7fffffff);
    setU32At(icon, 22 + 8, 0x7ffffffe);
    writeSeed("icon-claims-huge-bitmap.ico", icon);
}

// --- Skins ---------------------------------------------------------------------------------------

void writeSkinSeeds() {
    writeSeed(
        "plain.cjs",
        "QWidget { background-color: #d4d0c8; color: black; font: 9pt \"Liberation Sans\"; }\n"
        "QPushButton { border: 2px outset #ffffff; padding: 3px 8px; min-width: 60px; }\n"
        "QPushButton:hover { background: #e8e4dc; }\n"
        "QPushButton:pressed { border-style: inset; }\n"
        "QPushButton:disabled { color: gray; }\n");
    writeSeed("controls.cjs",
              "QGroupBox { border: 1px solid gray; border-radius: 4px; margin-top: 1.2em; }\n"
              "QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0 3px; }\n"
              "QRadioButton::indicator { width: 11px; height: 11px; }\n"
              "QRadioButton:checked { font-weight: bold; }\n"
              "QLineEdit[readOnly=\"true\"] { background: palette(window); selection-color: "
              "rgba(255, 0, 0, 50%); }\n"
              "QLabel#caption, QLabel > QWidget { qproperty-alignment: AlignCenter; }\n");
    writeSeed("gradients.cjs",
              "* { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fff, stop:1 "
              "hsv(200, 80, 200)); }\n"
              "QPushButton { background: qradialgradient(cx:0.5, cy:0.5, radius:1, fx:0.3, "
              "fy:0.3, stop:0 white, stop:1 #224); border-image: url(missing.png) 4 4 4 4 "
              "stretch; }\n"
              "QWidget:!enabled:focus { outline: 1px dotted; margin: -2px; font-size: 11px; }\n");
    writeSeed("with-bom.cjs", "\xEF\xBB\xBFQLabel { color: #102030; } /* Zo\xC3\xAB */\n");
    writeSeed("unbalanced.cjs", "QWidget { color: red; QLabel { { } ;;; ::: \"open string\n");
    writeSeed("empty.cjs", "");
    writeSeed("latin1.cjs", "QLabel { font-family: \"Caf\xE9\"; }\n");
    writeSeed("nul.cjs", QByteArray("QWidget {\0}", 11));

    // Sizes far beyond the window: the reproducers of an outside check's findings and neighbours.
    writeSeed("skin-height-99999.cjs", "height:99999");
    writeSeed("skin-padding-99999.cjs", "QWidget{padding:99999px}");
    writeSeed("skin-min-size-99999.cjs", "QPushButton{min-width:99999px;min-height:99999px}");
    writeSeed("skin-window-min-height-99999.cjs", "min-height:99999px");
    writeSeed("skin-margin-99999.cjs", "*{margin:99999px}");
    writeSeed("skin-border-99999.cjs", "QGroupBox{border:99999px solid red}");
    writeSeed("skin-font-9999.cjs", "QLineEdit{font-size:9999px}");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_seeds <corpus folder>\n");
        return 2;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication application(argc, argv);
    const QDir root(QString::fromLocal8Bit(argv[1]));
    for (const char* folder : {"picture", "cursor", "skin"}) {
        if (!root.mkpath(QString::fromLatin1(folder))) {
            std::fprintf(stderr, "cannot make %s\n", folder);
            return 1;
        }
    }
    gOut = QDir(root.filePath("picture"));
    writePictureSeeds();
    writeIconPictureSeeds();
    gOut = QDir(root.filePath("cursor"));
    writeCursorSeeds();
    gOut = QDir(root.filePath("skin"));
    writeSkinSeeds();
    return 0;
}
