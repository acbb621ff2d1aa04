#include "platform/StylePixmaps.h"

#include <QDateTime>
#include <QFileInfo>
#include <QImageReader>
#include <QPixmap>
#include <QPixmapCache>

namespace {

// Qt writes each number of its cache keys as its bytes in memory order, the low digit of each
// byte first.
template <typename T>
QString keyDigits(T value) {
    constexpr char kDigits[] = "0123456789abcdef";
    QString digits;
    const auto* bytes = reinterpret_cast<const unsigned char*>(&value);
    for (std::size_t i = 0; i < sizeof(T); ++i) {
        digits += QLatin1Char(kDigits[bytes[i] & 0xf]);
        digits += QLatin1Char(kDigits[bytes[i] >> 4]);
    }
    return digits;
}

// The key under which QPixmap::load() caches a picture file (Qt 6).
QString pixmapFileKey(const QFileInfo& info) {
    constexpr unsigned kPixmapType = 0;
    return QStringLiteral("qt_pixmap") + info.absoluteFilePath() +
           keyDigits(static_cast<unsigned>(info.lastModified().toSecsSinceEpoch())) +
           keyDigits(static_cast<quint64>(info.size())) + keyDigits(kPixmapType);
}

}  // namespace

void preloadStylePixmaps() {
    const QFileInfo groupBox(
        QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png"));
    if (!groupBox.exists()) {
        return;
    }
    QImageReader reader(groupBox.filePath(), "png");
    reader.setAutoDetectImageFormat(false);
    const QImage image = reader.read();
    if (!image.isNull()) {
        QPixmapCache::insert(pixmapFileKey(groupBox), QPixmap::fromImage(image));
    }
}
