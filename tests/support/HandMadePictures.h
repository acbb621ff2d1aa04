#pragma once

// Picture files written byte by byte, for the headers, layouts and damage no encoder at hand
// writes: top-down bitmaps, orientation tags, JPEGs whose decoder must hold every coefficient,
// GIFs whose canvas differs from their frame, and PNGs that claim more than they hold. Shared by
// the tests and the fuzz seed maker.

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QtGlobal>
#include <vector>

#include "tests/support/FileBytes.h"

// An 8-bit RGB PNG that claims `width` x `height` and holds one black row: a few kilobytes that
// would decode to width x height x 4 bytes. Interlaced, it is decoded in full before any row shows.
inline QByteArray pngClaiming(int width, int height, bool interlaced = false) {
    QByteArray header;
    appendU32BigEndian(header, static_cast<quint32>(width));
    appendU32BigEndian(header, static_cast<quint32>(height));
    header.append("\x08\x02\x00\x00", 4);
    header.append(interlaced ? '\x01' : '\x00');
    // qCompress puts a 4-byte length before the zlib stream that PNG wants.
    const QByteArray firstRow =
        qCompress(QByteArray(1 + 3 * static_cast<qsizetype>(width), '\0'), 1).mid(4);
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + pngChunk("IHDR", header) +
           pngChunk("IDAT", firstRow) + pngChunk("IEND", QByteArray());
}

// A bitmap of `image` at 1, 4, 8, 16, 24 or 32 bits a pixel, its rows stored top down (the header's
// height negative) or bottom up. Up to 8 bits the palette holds the picture's first colours in the
// order they appear, so a picture of few colours keeps them exactly.
inline QByteArray bitmapFile(const QImage& image, int bitsPerPixel, bool topDown) {
    const int width = image.width();
    const int height = image.height();
    QList<QRgb> palette;
    if (bitsPerPixel <= 8) {
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const QRgb colour = image.pixel(x, y) | 0xff000000U;
                if (!palette.contains(colour) && palette.size() < (1 << bitsPerPixel)) {
                    palette.append(colour);
                }
            }
        }
        palette.resize(1 << bitsPerPixel, qRgb(0, 0, 0));
    }
    const int rowBytes = (width * bitsPerPixel + 31) / 32 * 4;
    const int dataOffset = 14 + 40 + static_cast<int>(palette.size()) * 4;
    QByteArray bytes("BM");
    appendU32LittleEndian(bytes, static_cast<quint32>(dataOffset + rowBytes * height));
    appendU32LittleEndian(bytes, 0);
    appendU32LittleEndian(bytes, static_cast<quint32>(dataOffset));
    appendU32LittleEndian(bytes, 40);
    appendU32LittleEndian(bytes, static_cast<quint32>(width));
    appendU32LittleEndian(bytes, static_cast<quint32>(topDown ? -height : height));
    appendU16LittleEndian(bytes, 1);
    appendU16LittleEndian(bytes, bitsPerPixel);
    appendU32LittleEndian(bytes, 0);  // no compression; 16 bits are 5-5-5
    appendU32LittleEndian(bytes, static_cast<quint32>(rowBytes * height));
    appendU32LittleEndian(bytes, 2835);
    appendU32LittleEndian(bytes, 2835);
    appendU32LittleEndian(bytes, static_cast<quint32>(palette.size()));
    appendU32LittleEndian(bytes, 0);
    for (const QRgb colour : palette) {
        bytes.append(static_cast<char>(qBlue(colour)));
        bytes.append(static_cast<char>(qGreen(colour)));
        bytes.append(static_cast<char>(qRed(colour)));
        bytes.append('\0');
    }
    for (int stored = 0; stored < height; ++stored) {
        const int y = topDown ? stored : height - 1 - stored;
        QByteArray row(rowBytes, '\0');
        for (int x = 0; x < width; ++x) {
            const QRgb colour = image.pixel(x, y);
            if (bitsPerPixel <= 8) {
                const auto index = static_cast<int>(palette.indexOf(colour | 0xff000000U));
                const int bit = x * bitsPerPixel;
                const int shift = 8 - bitsPerPixel - bit % 8;
                row[bit / 8] = static_cast<char>(row[bit / 8] | (std::max(index, 0) << shift));
            } else if (bitsPerPixel == 16) {
                const int packed =
                    (qRed(colour) >> 3) << 10 | (qGreen(colour) >> 3) << 5 | qBlue(colour) >> 3;
                row[2 * x] = static_cast<char>(packed & 0xff);
                row[2 * x + 1] = static_cast<char>(packed >> 8);
            } else {
                const int at = x * bitsPerPixel / 8;
                row[at] = static_cast<char>(qBlue(colour));
                row[at + 1] = static_cast<char>(qGreen(colour));
                row[at + 2] = static_cast<char>(qRed(colour));
                if (bitsPerPixel == 32) {
                    row[at + 3] = '\xff';
                }
            }
        }
        bytes += row;
    }
    return bytes;
}

// The JPEG with an EXIF block right after its start marker whose only tag is the orientation
// (1 to 8: how the stored rows are to be turned for showing). `ifdOffset` other than 8 points the
// tag directory somewhere else, for a damaged EXIF block.
inline QByteArray withExifOrientation(const QByteArray& jpeg, int orientation,
                                      quint32 ifdOffset = 8) {
    QByteArray tiff("II*\0", 4);  // little-endian TIFF layout, as cameras write it
    appendU32LittleEndian(tiff, ifdOffset);
    appendU16LittleEndian(tiff, 1);       // one entry
    appendU16LittleEndian(tiff, 0x0112);  // Orientation
    appendU16LittleEndian(tiff, 3);       // SHORT
    appendU32LittleEndian(tiff, 1);
    appendU16LittleEndian(tiff, orientation);
    appendU16LittleEndian(tiff, 0);
    appendU32LittleEndian(tiff, 0);  // no further directory
    const QByteArray exif = QByteArray("Exif\0\0", 6) + tiff;
    QByteArray segment("\xff\xe1", 2);
    segment.append(static_cast<char>((exif.size() + 2) >> 8));
    segment.append(static_cast<char>((exif.size() + 2) & 0xff));
    return jpeg.left(2) + segment + exif + jpeg.mid(2);
}

// One component of a hand-made JPEG and how many of its samples an MCU holds across and down.
struct JpegComponent {
    int horizontal = 1;
    int vertical = 1;
};

// The headers of a JPEG of `width` x `height` (CMYK with Adobe's marker for four components) and
// its first scan: the DC coefficients of every component in a progressive file, the first
// component alone in a sequential one with a scan per component. Either way libjpeg must hold the
// whole picture's coefficients while it decodes. The scan's data is `scanBytes` zero bytes, which
// decode as flat blocks, and the file ends there, as a download cut short does.
inline QByteArray coefficientHungryJpeg(int width, int height,
                                        const std::vector<JpegComponent>& components,
                                        bool progressive, int scanBytes) {
    const auto segment = [](int marker, const QByteArray& body) {
        QByteArray bytes;
        bytes.append('\xff');
        bytes.append(static_cast<char>(marker));
        bytes.append(static_cast<char>((body.size() + 2) >> 8));
        bytes.append(static_cast<char>((body.size() + 2) & 0xff));
        return bytes + body;
    };
    QByteArray bytes("\xff\xd8", 2);
    if (components.size() == 4) {
        bytes += segment(0xee, QByteArray("Adobe\0\x64\0\0\0\0\0", 12));  // no colour transform
    }
    bytes += segment(0xdb, QByteArray(1, '\0') + QByteArray(64, '\x10'));
    QByteArray frame;
    frame.append('\x08');
    frame.append(static_cast<char>(height >> 8));
    frame.append(static_cast<char>(height & 0xff));
    frame.append(static_cast<char>(width >> 8));
    frame.append(static_cast<char>(width & 0xff));
    frame.append(static_cast<char>(components.size()));
    for (std::size_t i = 0; i < components.size(); ++i) {
        frame.append(static_cast<char>(i + 1));
        frame.append(static_cast<char>(components[i].horizontal << 4 | components[i].vertical));
        frame.append('\0');
    }
    bytes += segment(progressive ? 0xc2 : 0xc0, frame);
    // One DC code, a single 0 bit, for "no change"; sequential scans also need an AC table, whose
    // one code (a single 0 bit) ends the block.
    QByteArray oneCode(1, '\0');
    oneCode.append('\x01');
    oneCode.append(QByteArray(15, '\0'));
    oneCode.append('\0');
    bytes += segment(0xc4, oneCode);
    if (!progressive) {
        QByteArray endOfBlock(1, '\x10');
        endOfBlock.append('\x01');
        endOfBlock.append(QByteArray(15, '\0'));
        endOfBlock.append('\0');
        bytes += segment(0xc4, endOfBlock);
    }
    QByteArray scan;
    const std::size_t inScan = progressive ? components.size() : 1;
    scan.append(static_cast<char>(inScan));
    for (std::size_t i = 0; i < inScan; ++i) {
        scan.append(static_cast<char>(i + 1));
        scan.append('\0');
    }
    scan.append('\0');
    scan.append(progressive ? '\0' : '\x3f');
    scan.append('\0');
    bytes += segment(0xda, scan);
    return bytes + QByteArray(scanBytes, '\0');
}

// A GIF of two colours whose logical screen is `screenWidth` x `screenHeight` and whose one frame
// of `frameWidth` x `frameHeight` at `left`, `top` holds a single pixel of data. `disposal` 3
// asks the decoder to restore what the frame covers afterwards.
inline QByteArray gifWithCanvas(int screenWidth, int screenHeight, int left, int top,
                                int frameWidth, int frameHeight, int disposal = 0) {
    QByteArray bytes("GIF89a");
    appendU16LittleEndian(bytes, screenWidth);
    appendU16LittleEndian(bytes, screenHeight);
    bytes.append("\x80\x00\x00", 3);  // a global palette of 2 colours
    bytes.append("\x00\x00\x00\xff\xff\xff", 6);
    if (disposal != 0) {
        bytes.append("\x21\xf9\x04", 3);
        bytes.append(static_cast<char>(disposal << 2));
        bytes.append("\x00\x00\x00\x00", 4);
    }
    bytes.append('\x2c');
    appendU16LittleEndian(bytes, left);
    appendU16LittleEndian(bytes, top);
    appendU16LittleEndian(bytes, frameWidth);
    appendU16LittleEndian(bytes, frameHeight);
    bytes.append('\0');
    // Minimum code size 2; one block of codes: clear, colour 0, end.
    bytes.append("\x02\x02\x4c\x01\x00", 5);
    bytes.append('\x3b');
    return bytes;
}

// A run-length bitmap of 8 bits a pixel that skips most of its pixels: a run, a jump down and
// across, another run, and an early end. The decoder writes none of the skipped pixels.
inline QByteArray runLengthBitmapWithSkips(int width, int height) {
    QByteArray data;
    data.append("\x0a\x01", 2);          // ten pixels of colour 1
    data.append("\x00\x02\x05\x03", 4);  // jump 5 across and 3 down
    data.append("\x04\x02", 2);          // four pixels of colour 2
    data.append("\x00\x01", 2);          // end of the picture
    QByteArray bytes("BM");
    const int offset = 14 + 40 + 3 * 4;
    appendU32LittleEndian(bytes, static_cast<quint32>(offset + data.size()));
    appendU32LittleEndian(bytes, 0);
    appendU32LittleEndian(bytes, static_cast<quint32>(offset));
    appendU32LittleEndian(bytes, 40);
    appendU32LittleEndian(bytes, static_cast<quint32>(width));
    appendU32LittleEndian(bytes, static_cast<quint32>(height));
    appendU16LittleEndian(bytes, 1);
    appendU16LittleEndian(bytes, 8);
    appendU32LittleEndian(bytes, 1);  // run-length, 8 bits
    appendU32LittleEndian(bytes, static_cast<quint32>(data.size()));
    appendU32LittleEndian(bytes, 2835);
    appendU32LittleEndian(bytes, 2835);
    appendU32LittleEndian(bytes, 3);
    appendU32LittleEndian(bytes, 0);
    bytes.append("\xff\xff\xff\0\x00\x00\xff\0\xff\x00\x00\0", 12);
    return bytes + data;
}
