#include "platform/IconImages.h"

#include <QByteArray>
#include <algorithm>
#include <climits>
#include <cstdlib>

#include "platform/HeaderBytes.h"

namespace {

constexpr qint64 kDirectoryHeaderBytes = 6;
constexpr qint64 kDirectoryEntryBytes = 16;
constexpr qint64 kImageHeaderBytes =
    24;  // a PNG's signature and IHDR size, or a bitmap header's start
constexpr qsizetype kCoreHeaderBytes = 12;  // the oldest bitmap header, with 16-bit sides

// The size an image header claims; a bitmap's height counts its colour rows and its mask rows.
QSize claimedSize(const QByteArray& header) {
    if (header.startsWith("\x89PNG\r\n\x1a\n")) {
        return {static_cast<int>(std::min<quint32>(u32BigEndianAt(header, 16), INT_MAX)),
                static_cast<int>(std::min<quint32>(u32BigEndianAt(header, 20), INT_MAX))};
    }
    if (u32LittleEndianAt(header, 0) == kCoreHeaderBytes) {
        return {static_cast<int>(u16LittleEndianAt(header, 4)),
                static_cast<int>(u16LittleEndianAt(header, 6) / 2)};
    }
    const auto width = static_cast<qint32>(u32LittleEndianAt(header, 4));
    const auto height = static_cast<qint32>(u32LittleEndianAt(header, 8));
    return {static_cast<int>(std::min<qint64>(std::abs(static_cast<qint64>(width)), INT_MAX)),
            static_cast<int>(std::abs(static_cast<qint64>(height)) / 2)};
}

}  // namespace

QSize largestClaimedIconImage(QIODevice& device) {
    const QByteArray directory = headerBytesAt(device, 0, kDirectoryHeaderBytes);
    if (directory.size() < kDirectoryHeaderBytes) {
        return {};
    }
    const quint32 count = u16LittleEndianAt(directory, 4);
    QSize largest;
    for (quint32 entry = 0; entry < count; ++entry) {
        const QByteArray fields = headerBytesAt(
            device, kDirectoryHeaderBytes + entry * kDirectoryEntryBytes, kDirectoryEntryBytes);
        if (fields.size() < kDirectoryEntryBytes) {
            break;
        }
        const QByteArray header =
            headerBytesAt(device, u32LittleEndianAt(fields, 12), kImageHeaderBytes);
        if (header.size() < kImageHeaderBytes) {
            continue;
        }
        const QSize size = claimedSize(header);
        largest = largest.isValid() ? largest.expandedTo(size) : size;
    }
    return largest;
}
