#include "game/PictureLoader.h"

#include <QBuffer>
#include <QImageReader>
#include <memory>

#include "platform/Failure.h"

namespace {

[[noreturn]] void refusePicture(const QString& path, const QString& reason) {
    throw Failure(QStringLiteral("Cannot load the picture %1: %2").arg(path, reason).toStdString());
}

// Formats that cannot decode at a reduced size decode in full first; the reader's allocation
// limit must let the largest picture we accept through, at 4 bytes per pixel, and no more.
class AllocationLimitForLargestPicture {
public:
    AllocationLimitForLargestPicture() : previous_(QImageReader::allocationLimit()) {
        constexpr long long kMebibyte = 1024 * 1024;
        constexpr long long kBytes = kMaxPicturePixels * 4;
        QImageReader::setAllocationLimit(static_cast<int>((kBytes + kMebibyte - 1) / kMebibyte));
    }
    ~AllocationLimitForLargestPicture() { QImageReader::setAllocationLimit(previous_); }
    AllocationLimitForLargestPicture(const AllocationLimitForLargestPicture&) = delete;
    AllocationLimitForLargestPicture& operator=(const AllocationLimitForLargestPicture&) = delete;

private:
    int previous_;
};

// The content decides: an ordinary BMP named .dib would otherwise go to the header-less reader.
// Only when no format knows the content does the name choose, for a true header-less .dib.
std::unique_ptr<QImageReader> openReader(const QString& path) {
    auto byContent = std::make_unique<QImageReader>(path);
    byContent->setDecideFormatFromContent(true);
    if (byContent->canRead()) {
        return byContent;
    }
    auto byName = std::make_unique<QImageReader>(path);
    return byName->canRead() ? std::move(byName) : std::move(byContent);
}

QString readerFailure(const QImageReader& reader) {
    if (reader.error() == QImageReader::UnknownError) {
        return QStringLiteral("the file is damaged or is not a picture");
    }
    return reader.errorString();
}

QImage readPuzzlePicture(QImageReader& reader, const QString& path, int side) {
    // The header alone tells the size, so a picture too large to hold is refused before any of
    // it is decoded.
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty()) {
        refusePicture(path, readerFailure(reader));
    }
    const long long pixels = static_cast<long long>(size.width()) * size.height();
    if (pixels > kMaxPicturePixels) {
        refusePicture(path, QStringLiteral("the picture is too large (%1 x %2 pixels)")
                                .arg(size.width())
                                .arg(size.height()));
    }

    const QSize square(side, side);
    reader.setScaledSize(square);
    QImage picture;
    {
        AllocationLimitForLargestPicture limit;
        picture = reader.read();
    }
    // The reader's error text can read "Unknown error" after a good read, so only the picture
    // itself tells whether the read worked.
    if (picture.isNull()) {
        refusePicture(path, readerFailure(reader));
    }
    if (picture.size() != square) {
        picture = picture.scaled(square, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    return picture.convertToFormat(picture.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                             : QImage::Format_RGB32);
}

}  // namespace

QImage loadPuzzlePicture(const QString& path, int side) {
    const std::unique_ptr<QImageReader> reader = openReader(path);
    return readPuzzlePicture(*reader, path, side);
}

QImage loadPuzzlePictureData(const QByteArray& data, const QString& name, int side) {
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    return readPuzzlePicture(reader, name, side);
}
