#include "game/tools/IconFile.h"

#include <QBuffer>
#include <QFile>
#include <QtEndian>

namespace {

void appendLittleEndian16(QByteArray& bytes, int value) {
    const quint16 le = qToLittleEndian(static_cast<quint16>(value));
    bytes.append(reinterpret_cast<const char*>(&le), sizeof le);
}

void appendLittleEndian32(QByteArray& bytes, qsizetype value) {
    const quint32 le = qToLittleEndian(static_cast<quint32>(value));
    bytes.append(reinterpret_cast<const char*>(&le), sizeof le);
}

}  // namespace

// The icon directory, then each image as a PNG, which Windows takes in icons since Vista; a side
// of 256 is written as 0 in the directory.
QByteArray iconFileBytes(const std::vector<QImage>& images) {
    std::vector<QByteArray> pngs;
    for (const QImage& image : images) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (image.width() > 256 || image.height() > 256 || !image.save(&buffer, "PNG")) {
            return {};
        }
        pngs.push_back(png);
    }
    QByteArray bytes;
    appendLittleEndian16(bytes, 0);  // reserved
    appendLittleEndian16(bytes, 1);  // an icon, not a cursor
    appendLittleEndian16(bytes, static_cast<int>(images.size()));
    qsizetype offset = 6 + 16 * static_cast<qsizetype>(images.size());
    for (std::size_t k = 0; k < images.size(); ++k) {
        bytes.append(static_cast<char>(images[k].width() % 256));
        bytes.append(static_cast<char>(images[k].height() % 256));
        bytes.append('\0');              // no palette
        bytes.append('\0');              // reserved
        appendLittleEndian16(bytes, 1);  // colour planes
        appendLittleEndian16(bytes, 32);
        appendLittleEndian32(bytes, pngs[k].size());
        appendLittleEndian32(bytes, offset);
        offset += pngs[k].size();
    }
    for (const QByteArray& png : pngs) {
        bytes += png;
    }
    return bytes;
}
