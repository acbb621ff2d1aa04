#include "game/pictures/PictureDemand.h"

#include <QImageReader>
#include <algorithm>
#include <climits>
#include <cstdlib>
#include <optional>

#include "game/pictures/JpegDemand.h"
#include "game/pictures/TiffLayout.h"
#include "platform/HeaderBytes.h"
#include "platform/IconImages.h"

namespace {

// A picture of this size and format as QImage stores it, rows padded to 4 bytes. A side beyond any
// picture the game takes counts as 2^27 pixels, which keeps every sum of such figures far from
// overflowing while the picture is still refused as too large.
qint64 imageBytes(QSize size, QImage::Format format) {
    constexpr qint64 kLargestCountedSide = qint64{1} << 27;
    const qint64 width = std::min<qint64>(size.width(), kLargestCountedSide);
    const qint64 height = std::min<qint64>(size.height(), kLargestCountedSide);
    const qint64 bits = QImage::toPixelFormat(format).bitsPerPixel();
    return (width * bits + 31) / 32 * 4 * height;
}

QSize clampedSize(qint64 width, qint64 height) {
    return {static_cast<int>(std::clamp<qint64>(width, 0, INT_MAX)),
            static_cast<int>(std::clamp<qint64>(height, 0, INT_MAX))};
}

// Formats the reader names the decoded format of in advance; for the others the widest one it
// may decode to (16 bits for each of four channels) is assumed.
PictureDemand readerDemand(QImageReader& reader) {
    PictureDemand demand;
    const QSize size = reader.size();
    demand.size = clampedSize(size.width(), std::abs(static_cast<qint64>(size.height())));
    const QImage::Format format = reader.imageFormat() == QImage::Format_Invalid
                                      ? QImage::Format_RGBA64
                                      : reader.imageFormat();
    demand.bytes = imageBytes(demand.size, format);
    return demand;
}

// A bitmap's header may give a negative height for rows stored top down; the decoder turns them
// the right way up, so the picture has the height's size either way. Run-length bitmaps may skip
// pixels, which the decoder then never writes.
PictureDemand bitmapDemand(QIODevice& inspect, QImageReader& reader, qint64 infoAt) {
    PictureDemand demand = readerDemand(reader);
    const QByteArray info = headerBytesAt(inspect, infoAt, 20);
    constexpr quint32 kRunLength8 = 1;
    constexpr quint32 kRunLength4 = 2;
    if (info.size() == 20 && u32LittleEndianAt(info, 0) >= 40 &&
        reader.imageFormat() == QImage::Format_Indexed8) {
        const quint32 compression = u32LittleEndianAt(info, 16);
        if (compression == kRunLength8 || compression == kRunLength4) {
            demand.fillFormat = QImage::Format_Indexed8;
        }
    }
    return demand;
}

// Qt's GIF decoder paints the first frame onto the whole logical screen (the frame's own extent
// when the screen has no size), and a frame to be restored afterwards also keeps a copy of what it
// covers.
std::optional<PictureDemand> gifDemand(QIODevice& inspect) {
    const QByteArray screen = headerBytesAt(inspect, 0, 13);
    if (screen.size() < 13) {
        return std::nullopt;
    }
    const quint32 flags = byteAt(screen, 10);
    qint64 at = 13 + ((flags & 0x80) != 0 ? 3 << ((flags & 7) + 1) : 0);
    quint32 disposal = 0;
    constexpr quint32 kRestorePrevious = 3;
    for (;;) {
        const QByteArray block = headerBytesAt(inspect, at, 10);
        if (block.size() >= 10 && byteAt(block, 0) == 0x2c) {
            const qint64 left = u16LittleEndianAt(block, 1);
            const qint64 top = u16LittleEndianAt(block, 3);
            const qint64 frameWidth = u16LittleEndianAt(block, 5);
            const qint64 frameHeight = u16LittleEndianAt(block, 7);
            const qint64 screenWidth = u16LittleEndianAt(screen, 6);
            const qint64 screenHeight = u16LittleEndianAt(screen, 8);
            PictureDemand demand;
            demand.size = clampedSize(screenWidth > 0 ? screenWidth : left + frameWidth,
                                      screenHeight > 0 ? screenHeight : top + frameHeight);
            demand.bytes = imageBytes(demand.size, QImage::Format_ARGB32);
            if (disposal == kRestorePrevious) {
                const qint64 kept = std::clamp<qint64>(demand.size.width() - left, 0, frameWidth) *
                                    std::clamp<qint64>(demand.size.height() - top, 0, frameHeight);
                demand.bytes += kept * 4;
            }
            return demand;
        }
        if (block.size() < 2 || byteAt(block, 0) != 0x21) {
            return std::nullopt;  // the file ends, or holds no picture before its end
        }
        const bool control = byteAt(block, 1) == 0xf9;
        at += 2;
        // An extension is a chain of sub-blocks, each led by its length, up to an empty one.
        for (bool first = true;; first = false) {
            const QByteArray sub = headerBytesAt(inspect, at, 2);
            if (sub.isEmpty()) {
                return std::nullopt;
            }
            const quint32 length = byteAt(sub, 0);
            if (length == 0) {
                ++at;
                break;
            }
            if (control && first && sub.size() == 2) {
                disposal = (byteAt(sub, 1) >> 2) & 7;
            }
            at += 1 + length;
        }
    }
}

// A WebP file is read into memory whole. Lossless data is decoded through a second picture-sized
// buffer, transparency through a plane or two of a byte a pixel, and an animation is painted onto
// a canvas besides its frame; every frame of an animation is assumed to be lossless.
std::optional<PictureDemand> webpDemand(QIODevice& inspect) {
    const QByteArray head = headerBytesAt(inspect, 0, 30);
    if (head.size() < 30 || !head.startsWith("RIFF") || head.mid(8, 4) != "WEBP") {
        return std::nullopt;
    }
    const QByteArray chunk = head.mid(12, 4);
    qint64 width = 0;
    qint64 height = 0;
    bool lossless = false;
    bool alpha = false;
    bool animated = false;
    if (chunk == "VP8 ") {
        width = u16LittleEndianAt(head, 26) & 0x3fff;
        height = u16LittleEndianAt(head, 28) & 0x3fff;
    } else if (chunk == "VP8L") {
        const quint32 bits = u32LittleEndianAt(head, 21);
        width = (bits & 0x3fff) + 1;
        height = ((bits >> 14) & 0x3fff) + 1;
        lossless = true;
        alpha = ((bits >> 28) & 1) != 0;
    } else if (chunk == "VP8X") {
        const quint32 flags = byteAt(head, 20);
        animated = (flags & 0x02) != 0;
        alpha = (flags & 0x10) != 0;
        const auto u24At = [&](qsizetype at) {
            return byteAt(head, at) | byteAt(head, at + 1) << 8 | byteAt(head, at + 2) << 16;
        };
        width = u24At(24) + 1;
        height = u24At(27) + 1;
        lossless = true;  // unless the picture's own chunk says otherwise
        for (qint64 at = 30; !animated;) {
            const QByteArray next = headerBytesAt(inspect, at, 8);
            if (next.size() < 8) {
                break;
            }
            if (next.startsWith("VP8 ") || next.startsWith("VP8L")) {
                lossless = next.startsWith("VP8L");
                break;
            }
            at += 8 + ((static_cast<qint64>(u32LittleEndianAt(next, 4)) + 1) & ~qint64{1});
        }
    } else {
        return std::nullopt;
    }
    PictureDemand demand;
    demand.size = clampedSize(width, height);
    const qint64 picture = imageBytes(demand.size, QImage::Format_ARGB32);
    demand.bytes = picture * (1 + (lossless ? 1 : 0) + (animated ? 1 : 0)) +
                   (alpha ? 2 * width * height : 0) + inspect.size();
    return demand;
}

// Qt's PNG decoder scales an 8-bit RGB picture, with or without transparency or as grey with
// transparency, down to the square row by row as it reads, when its rows are not interlaced and
// the square is no larger either way. It then holds two rows and the square, not the picture.
std::optional<PictureDemand> pngDemandAtSquare(QIODevice& inspect, int side) {
    const QByteArray header = headerBytesAt(inspect, 0, 29);
    if (header.size() < 29 || header.mid(12, 4) != "IHDR") {
        return std::nullopt;
    }
    const qint64 width = u32BigEndianAt(header, 16);
    const qint64 height = u32BigEndianAt(header, 20);
    const quint32 bitDepth = byteAt(header, 24);
    const quint32 colourType = byteAt(header, 25);
    const bool interlaced = byteAt(header, 28) != 0;
    constexpr quint32 kGreyAlpha = 4;
    constexpr quint32 kRgb = 2;
    constexpr quint32 kRgbAlpha = 6;
    if (bitDepth != 8 || interlaced || width < side || height < side ||
        (colourType != kRgb && colourType != kGreyAlpha && colourType != kRgbAlpha)) {
        return std::nullopt;
    }
    PictureDemand demand;
    demand.size = clampedSize(width, height);
    demand.bytes = 2 * width * 4 + qint64{side} * side * 4 * 2;
    demand.decodesToSquare = true;
    return demand;
}

// An icon image is decoded to 4 bytes a pixel and then has its mask applied to a copy.
std::optional<PictureDemand> iconDemand(QIODevice& inspect) {
    const QSize claimed = largestClaimedIconImage(inspect);
    if (claimed.isEmpty()) {
        return std::nullopt;
    }
    PictureDemand demand;
    demand.size = claimed;
    demand.bytes = 2 * imageBytes(claimed, QImage::Format_ARGB32);
    return demand;
}

}  // namespace

PictureDemand pictureDemand(const QByteArray& format, QIODevice& inspect, QImageReader& reader,
                            int side) {
    std::optional<PictureDemand> demand;
    if (format == "jpeg" || format == "jpg") {
        // The reduced picture and the square made of it are counted with the decoder's holdings.
        if (const std::optional<JpegDemand> jpeg = jpegDemand(inspect, side)) {
            return PictureDemand{jpeg->size, jpeg->bytes, QImage::Format_Invalid, true};
        }
        return PictureDemand{};
    }
    if (format == "png") {
        if (std::optional<PictureDemand> reduced = pngDemandAtSquare(inspect, side)) {
            return *reduced;
        }
    }
    if (format == "tiff" || format == "tif") {
        // Most kinds of TIFF pass through libtiff's picture-sized strips or tiles on their way.
        if (const std::optional<TiffLayout> layout = tiffLayout(inspect)) {
            const QImage::Format decoded = reader.imageFormat();
            demand = PictureDemand{
                layout->size,
                imageBytes(layout->size,
                           decoded == QImage::Format_Invalid ? QImage::Format_RGBA64 : decoded) +
                    layout->blockBytes + layout->storedBlockBytes};
        }
    } else if (format == "gif") {
        demand = gifDemand(inspect);
    } else if (format == "webp") {
        demand = webpDemand(inspect);
    } else if (format == "ico" || format == "cur") {
        demand = iconDemand(inspect);
    } else if (format == "bmp") {
        demand = bitmapDemand(inspect, reader, 14);
    } else if (format == "dib") {
        demand = bitmapDemand(inspect, reader, 0);
    } else {
        demand = readerDemand(reader);
        if (format == "png") {
            demand->bytes += demand->size.height() * qint64{8};  // a pointer to every row
        }
    }
    if (!demand) {
        return PictureDemand{};
    }
    // The square is made while the decoded picture is still held.
    demand->bytes += qint64{side} * side * 4;
    return *demand;
}
