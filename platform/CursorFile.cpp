#include "platform/CursorFile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QPixmap>
#include <algorithm>

#include "platform/Failure.h"
#include "platform/IconImages.h"
#include "platform/RegularFile.h"

namespace {

// Cursors are a few kilobytes; a 256 x 256 32-bit image with its mask stays well below this.
constexpr qint64 kMaxCursorBytes = 1024 * 1024;
constexpr qsizetype kDirectoryHeaderBytes = 6;
constexpr qsizetype kDirectoryEntryBytes = 16;
constexpr quint16 kCursorResourceType = 2;

[[noreturn]] void refuseCursor(const QString& path, const QString& reason) {
    throw Failure(QCoreApplication::translate("CursorFile", "Cannot load the cursor %1: %2")
                      .arg(QDir::toNativeSeparators(path), reason)
                      .toStdString());
}

quint16 readU16(const QByteArray& bytes, qsizetype at) {
    return static_cast<quint16>(static_cast<quint8>(bytes[at]) | static_cast<quint8>(bytes[at + 1])
                                                                     << 8);
}

quint32 readU32(const QByteArray& bytes, qsizetype at) {
    return static_cast<quint32>(readU16(bytes, at)) | static_cast<quint32>(readU16(bytes, at + 2))
                                                          << 16;
}

QByteArray readCursorBytes(const QString& path) {
    // A pipe in the cursor's place would hold the window's start for as long as nobody writes it.
    const OpenedFile opened = openRegularFile(path);
    if (opened.refusal == FileRefusal::NotAFile || opened.refusal == FileRefusal::Folder) {
        refuseCursor(
            path, QCoreApplication::translate(
                      "CursorFile", "it is not a file but a folder, a pipe, a socket or a device"));
    }
    if (!opened.file) {
        refuseCursor(path,
                     opened.refusal == FileRefusal::Failed
                         ? opened.error
                         : QCoreApplication::translate("CursorFile", "the file cannot be read"));
    }
    QFile& file = *opened.file;
    // Read no more than the file holds: a buffer of the whole limit would be a large block handed
    // back at once, and the allocator would then keep far more free memory for the rest of the run.
    QByteArray bytes = file.read(std::min<qint64>(file.size(), kMaxCursorBytes) + 1);
    if (file.error() != QFileDevice::NoError) {
        refuseCursor(path, file.errorString());
    }
    if (bytes.size() > kMaxCursorBytes) {
        refuseCursor(path,
                     QCoreApplication::translate("CursorFile", "the file is larger than 1 MiB"));
    }
    return bytes;
}

// Checks the directory the image reader relies on, so a damaged file gets a reason a player can
// act on instead of a decoder's guess.
void checkDirectory(const QString& path, const QByteArray& bytes) {
    const QString notCursor = QCoreApplication::translate("CursorFile", "the file is not a cursor");
    if (bytes.size() < kDirectoryHeaderBytes + kDirectoryEntryBytes) {
        refuseCursor(path, notCursor);
    }
    if (readU16(bytes, 0) != 0 || readU16(bytes, 2) != kCursorResourceType) {
        refuseCursor(path, notCursor);
    }
    const quint16 count = readU16(bytes, 4);
    if (count < 1) {
        refuseCursor(path, QCoreApplication::translate("CursorFile", "the file holds no image"));
    }
    const qsizetype directoryEnd = kDirectoryHeaderBytes + count * kDirectoryEntryBytes;
    const quint32 imageBytes = readU32(bytes, kDirectoryHeaderBytes + 8);
    const quint32 imageOffset = readU32(bytes, kDirectoryHeaderBytes + 12);
    if (bytes.size() < directoryEnd || imageOffset < directoryEnd || imageBytes == 0 ||
        static_cast<qint64>(imageOffset) + imageBytes > bytes.size()) {
        refuseCursor(path, QCoreApplication::translate("CursorFile", "the file is truncated"));
    }
}

qsizetype entryAt(int index) {
    return kDirectoryHeaderBytes + index * kDirectoryEntryBytes;
}

// The side a directory entry names; 0 stands for 256.
int entrySide(const QByteArray& bytes, int index) {
    const int side = static_cast<quint8>(bytes[entryAt(index)]);
    return side == 0 ? 256 : side;
}

// The entry to draw on a screen of `pixelRatio`: among the entries whose image lies inside the
// file, the smallest at least `pixelRatio` times the first entry's side, else the largest. The
// first entry was checked with the directory.
int entryForRatio(const QByteArray& bytes, qreal pixelRatio) {
    const int count = readU16(bytes, 4);
    const qsizetype directoryEnd = entryAt(count);
    const qreal wanted = entrySide(bytes, 0) * pixelRatio - 0.01;
    int chosen = 0;
    for (int i = 1; i < count && directoryEnd <= bytes.size(); ++i) {
        const quint32 imageBytes = readU32(bytes, entryAt(i) + 8);
        const quint32 imageOffset = readU32(bytes, entryAt(i) + 12);
        if (imageOffset < directoryEnd || imageBytes == 0 ||
            static_cast<qint64>(imageOffset) + imageBytes > bytes.size()) {
            continue;
        }
        const int side = entrySide(bytes, i);
        const int best = entrySide(bytes, chosen);
        const bool fits = side >= wanted;
        const bool bestFits = best >= wanted;
        if ((fits && (!bestFits || side < best)) || (!fits && !bestFits && side > best)) {
            chosen = i;
        }
    }
    return chosen;
}

// The image of one directory entry; a null image when it cannot be read. Each reader is asked for
// by name alone: trying a format name on every image plugin loads them all. Qt's icon reader would
// do that for a PNG-compressed image, so such an image goes to Qt's own PNG reader, which is no
// plugin.
QImage cursorImage(const QByteArray& bytes, QBuffer& file, int index, QString& error) {
    QByteArray png =
        bytes.mid(readU32(bytes, entryAt(index) + 12), readU32(bytes, entryAt(index) + 8));
    const bool isPng = png.startsWith("\x89PNG\r\n\x1a\n");
    QBuffer pngBuffer(&png);
    pngBuffer.open(QIODevice::ReadOnly);
    file.seek(0);
    QImageReader reader(isPng ? static_cast<QIODevice*>(&pngBuffer) : &file, isPng ? "png" : "ico");
    reader.setAutoDetectImageFormat(false);
    if (!isPng && index > 0 && !reader.jumpToImage(index)) {
        return {};
    }
    QImage image = reader.read();
    error = reader.errorString();
    return image;
}

}  // namespace

QCursor loadCursorFile(const QString& path, qreal pixelRatio) {
    QByteArray bytes = readCursorBytes(path);
    checkDirectory(path, bytes);

    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    // The decoder allocates what an image's own header claims, whatever the directory says, so a
    // claim beyond any cursor is refused before anything is decoded.
    const QSize claimed = largestClaimedIconImage(buffer);
    if (claimed.width() > kMaxIconSide || claimed.height() > kMaxIconSide) {
        refuseCursor(path, QCoreApplication::translate(
                               "CursorFile",
                               "the cursor image is too large (%1 x %2 pixels; a cursor "
                               "is at most %3 x %3)")
                               .arg(claimed.width())
                               .arg(claimed.height())
                               .arg(kMaxIconSide));
    }
    // An image of another size that cannot be read leaves the first, which the file stands by.
    QString error;
    int index = entryForRatio(bytes, pixelRatio);
    QImage image = cursorImage(bytes, buffer, index, error);
    if (image.isNull() && index != 0) {
        index = 0;
        image = cursorImage(bytes, buffer, index, error);
    }
    if (image.isNull()) {
        refuseCursor(path, error);
    }

    // Qt's reader drops the hotspot, so it comes from the directory entry; one outside the image is
    // pulled onto its nearest edge pixel.
    const int x = std::min<int>(readU16(bytes, entryAt(index) + 4), image.width() - 1);
    const int y = std::min<int>(readU16(bytes, entryAt(index) + 6), image.height() - 1);
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(static_cast<qreal>(entrySide(bytes, index)) / entrySide(bytes, 0));
    return QCursor(pixmap, static_cast<int>(x / pixmap.devicePixelRatio()),
                   static_cast<int>(y / pixmap.devicePixelRatio()));
}
