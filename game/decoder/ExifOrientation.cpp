#include "game/decoder/ExifOrientation.h"

#include "platform/HeaderBytes.h"

namespace {

// The orientation tag sits in the first directory, close to the block's start; a block is read
// no further than this.
constexpr qint64 kLargestExifRead = 64 * 1024;
constexpr quint32 kOrientationTag = 0x0112;
constexpr quint32 kShortType = 3;

QImageIOHandler::Transformations fromTag(quint32 value) {
    switch (value) {
        case 2:
            return QImageIOHandler::TransformationMirror;
        case 3:
            return QImageIOHandler::TransformationRotate180;
        case 4:
            return QImageIOHandler::TransformationFlip;
        case 5:
            return QImageIOHandler::TransformationFlipAndRotate90;
        case 6:
            return QImageIOHandler::TransformationRotate90;
        case 7:
            return QImageIOHandler::TransformationMirrorAndRotate90;
        case 8:
            return QImageIOHandler::TransformationRotate270;
        default:
            return QImageIOHandler::TransformationNone;  // 1 (as stored) and values no tag has
    }
}

// A PNG's chunks up to its picture data: the eXIf chunk's content, if one comes first.
QByteArray pngExif(QIODevice& inspect) {
    for (qint64 at = 8; at >= 8;) {
        const QByteArray head = headerBytesAt(inspect, at, 8);
        if (head.size() < 8) {
            return {};
        }
        const qint64 length = u32BigEndianAt(head, 0);
        const QByteArray type = head.mid(4, 4);
        if (type == "eXIf") {
            return headerBytesAt(inspect, at + 8, qMin(length, kLargestExifRead));
        }
        if (type == "IDAT" || type == "IEND") {
            return {};
        }
        at += 12 + length;
    }
    return {};
}

// A WebP file's chunks after its header: the EXIF chunk's content.
QByteArray webpExif(QIODevice& inspect) {
    const QByteArray riff = headerBytesAt(inspect, 0, 12);
    if (riff.size() < 12 || !riff.startsWith("RIFF") || riff.mid(8, 4) != "WEBP") {
        return {};
    }
    for (qint64 at = 12;;) {
        const QByteArray head = headerBytesAt(inspect, at, 8);
        if (head.size() < 8) {
            return {};
        }
        const qint64 length = u32LittleEndianAt(head, 4);
        if (head.startsWith("EXIF")) {
            return headerBytesAt(inspect, at + 8, qMin(length, kLargestExifRead));
        }
        at += 8 + ((length + 1) & ~qint64{1});  // chunks are padded to an even length
    }
}

}  // namespace

QImageIOHandler::Transformations exifOrientation(const QByteArray& exif) {
    const QByteArray tiff = exif.startsWith(QByteArray("Exif\0\0", 6)) ? exif.mid(6) : exif;
    if (tiff.size() < 8) {
        return QImageIOHandler::TransformationNone;
    }
    const bool little = tiff.startsWith(QByteArray("II*\0", 4));
    if (!little && !tiff.startsWith(QByteArray("MM\0*", 4))) {
        return QImageIOHandler::TransformationNone;
    }
    const auto u16At = [&](qint64 at) {
        return little ? u16LittleEndianAt(tiff, at)
                      : (byteAt(tiff, at) << 8 | byteAt(tiff, at + 1));
    };
    const auto u32At = [&](qint64 at) {
        return little ? u32LittleEndianAt(tiff, at) : u32BigEndianAt(tiff, at);
    };
    const qint64 directory = u32At(4);
    if (directory < 8 || directory + 2 > tiff.size()) {
        return QImageIOHandler::TransformationNone;
    }
    const qint64 entries = u16At(directory);
    for (qint64 i = 0; i < entries; ++i) {
        const qint64 entry = directory + 2 + 12 * i;
        if (entry + 12 > tiff.size()) {
            break;
        }
        if (u16At(entry) == kOrientationTag && u16At(entry + 2) == kShortType &&
            u32At(entry + 4) == 1) {
            return fromTag(u16At(entry + 8));
        }
    }
    return QImageIOHandler::TransformationNone;
}

QImageIOHandler::Transformations containerOrientation(const QByteArray& format,
                                                      QIODevice& inspect) {
    if (format == "png") {
        return exifOrientation(pngExif(inspect));
    }
    if (format == "webp") {
        return exifOrientation(webpExif(inspect));
    }
    return QImageIOHandler::TransformationNone;
}
