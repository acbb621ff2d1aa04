#include "game/pictures/PictureLoader.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QUrl>
#include <memory>

#include "game/pictures/EndWatchingDevice.h"
#include "game/pictures/ExifOrientation.h"
#include "game/pictures/PictureDemand.h"
#include "game/pictures/PictureShrink.h"
#include "platform/Failure.h"
#include "platform/IconImages.h"
#include "platform/RegularFile.h"

void refusePicture(const QString& name, const QString& reason) {
    throw Failure(QCoreApplication::translate("PictureLoader", "Cannot load the picture %1: %2")
                      .arg(name, reason)
                      .toStdString());
}

namespace {

const char* const kDamaged =
    QT_TRANSLATE_NOOP("PictureLoader", "the file is damaged or is not a picture");

// The formats read, as QImageReader names them, and their MIME types. Others Qt may read through
// plugins (TGA, MNG, ICNS, WBMP) are left out: some claim files by very little of their content,
// and none of them has had its decoder's appetite for memory worked out here.
struct ReadFormat {
    const char* name;
    const char* mimeType;
};
constexpr ReadFormat kReadFormats[] = {
    {"bmp", "image/bmp"},
    {"dib", "image/bmp"},
    {"gif", "image/gif"},
    {"jpeg", "image/jpeg"},
    {"jpg", "image/jpeg"},
    {"png", "image/png"},
    {"pbm", "image/x-portable-bitmap"},
    {"pgm", "image/x-portable-graymap"},
    {"ppm", "image/x-portable-pixmap"},
    {"xbm", "image/x-xbitmap"},
    {"xpm", "image/x-xpixmap"},
    {"ico", "image/vnd.microsoft.icon"},
    {"cur", "image/vnd.microsoft.icon"},
    {"tif", "image/tiff"},
    {"tiff", "image/tiff"},
    {"webp", "image/webp"},
};

bool isReadFormat(const QByteArray& format) {
    for (const ReadFormat& known : kReadFormats) {
        if (format == known.name) {
            return true;
        }
    }
    return false;
}

// Qt's readers refuse, by default, any picture above 128 MB at 4 bytes a pixel, some of them while
// merely telling whether they know the content (an XBM is decoded whole to find out). The memory
// budget worked out from each file's headers is the one judge of what loads, so while the loader
// works Qt's limit stands at that budget, which still stops a decoder that would allocate beyond
// anything the headers could claim.
class AllocationLimitAtBudget {
public:
    AllocationLimitAtBudget() : previous_(QImageReader::allocationLimit()) {
        constexpr long long kMebibyte = 1024 * 1024;
        QImageReader::setAllocationLimit(
            static_cast<int>((kMaxDecodeBytes + kMebibyte - 1) / kMebibyte));
    }
    ~AllocationLimitAtBudget() { QImageReader::setAllocationLimit(previous_); }
    AllocationLimitAtBudget(const AllocationLimitAtBudget&) = delete;
    AllocationLimitAtBudget& operator=(const AllocationLimitAtBudget&) = delete;

private:
    int previous_;
};

// Where a picture's bytes come from. Every open() gives a device of its own, so headers can be
// read beside the decoder without moving it.
class PictureBytes {
public:
    virtual ~PictureBytes() = default;
    virtual const QString& name() const = 0;
    virtual std::unique_ptr<QIODevice> open() const = 0;
    // What is held in memory already while the picture decodes.
    virtual qint64 heldBytes() const { return 0; }
};

// Why a file cannot be read, in the words of a refusal.
QString fileRefusal(const OpenedFile& opened) {
    switch (opened.refusal) {
        case FileRefusal::Missing:
            return QCoreApplication::translate("PictureLoader", "the file was not found");
        case FileRefusal::Folder:
            return QCoreApplication::translate("PictureLoader", "it is a folder, not a picture");
        case FileRefusal::NotAFile:
            return QCoreApplication::translate("PictureLoader",
                                               "it is not a file but a pipe, a socket or a device");
        case FileRefusal::Unreadable:
            return QCoreApplication::translate("PictureLoader",
                                               "the file cannot be read: permission denied");
        case FileRefusal::Failed:
        case FileRefusal::None:
            break;
    }
    return opened.error;
}

// Reports name the file as the system writes paths, with backslashes on Windows; an address that
// names no file ("file:…") is named as it was given.
QString reportedName(const QString& path) {
    return QUrl(path).scheme().size() > 1 ? path : QDir::toNativeSeparators(path);
}

class FileBytes : public PictureBytes {
public:
    explicit FileBytes(const QString& path) : path_(path), name_(reportedName(path)) {}
    const QString& name() const override { return name_; }
    // Only a regular file is opened: reading a pipe or a device could keep the window waiting for
    // another program without end.
    std::unique_ptr<QIODevice> open() const override {
        OpenedFile opened = openRegularFile(path_);
        if (!opened.file) {
            refusePicture(name_, fileRefusal(opened));
        }
        return std::move(opened.file);
    }

private:
    QString path_;
    QString name_;
};

class MemoryBytes : public PictureBytes {
public:
    MemoryBytes(const QByteArray& data, const QString& name) : data_(data), name_(name) {}
    const QString& name() const override { return name_; }
    std::unique_ptr<QIODevice> open() const override {
        auto buffer = std::make_unique<QBuffer>();
        buffer->setData(data_);  // shares the bytes, copies none
        buffer->open(QIODevice::ReadOnly);
        return buffer;
    }
    qint64 heldBytes() const override { return data_.size(); }

private:
    QByteArray data_;
    QString name_;
};

// The content decides: an ordinary BMP named .dib would otherwise go to the header-less reader.
// Only when no format knows the content does the name choose, for a true header-less .dib.
std::unique_ptr<QImageReader> openReader(QIODevice& device, const QString& name) {
    auto byContent = std::make_unique<QImageReader>(&device);
    if (byContent->canRead()) {
        return byContent;
    }
    const QByteArray suffix = QFileInfo(name).suffix().toLower().toLatin1();
    if (!suffix.isEmpty() && device.seek(0)) {
        auto byName = std::make_unique<QImageReader>(&device, suffix);
        if (byName->canRead()) {
            return byName;
        }
    }
    return byContent;
}

// Qt's XBM reader tells whether it knows a file only by decoding all of it, which for a large one
// takes seconds; an XBM, named by its first bytes, is judged by its one read instead.
std::unique_ptr<QImageReader> xbmReader(QIODevice& source, QIODevice& device) {
    if (!source.peek(7).startsWith("#define")) {
        return nullptr;
    }
    auto reader = std::make_unique<QImageReader>(&device, "xbm");
    reader->setAutoDetectImageFormat(false);
    return reader;
}

// Only a device error says more than that the content could not be made into a picture.
QString readerFailure(const QImageReader& reader) {
    if (reader.error() == QImageReader::DeviceError) {
        return reader.errorString();
    }
    return QCoreApplication::translate("PictureLoader", kDamaged);
}

QString mebibytes(qint64 bytes) {
    return QString::number((bytes + (1 << 20) - 1) >> 20);
}

// Refuses, before anything is decoded, a picture larger than the game holds or one whose decoder
// would need more memory than any picture may take.
void checkDemand(const QString& name, const QByteArray& format, const PictureDemand& demand,
                 qint64 heldBytes) {
    const QSize size = demand.size;
    if (size.isEmpty()) {
        refusePicture(name, QCoreApplication::translate("PictureLoader", kDamaged));
    }
    const bool isIcon = format == "ico" || format == "cur";
    if (static_cast<long long>(size.width()) * size.height() > kMaxPicturePixels ||
        (isIcon && (size.width() > kMaxIconSide || size.height() > kMaxIconSide))) {
        refusePicture(name, QCoreApplication::translate("PictureLoader",
                                                        "the picture is too large (%1 x %2 pixels)")
                                .arg(size.width())
                                .arg(size.height()));
    }
    if (demand.bytes > kMaxDecodeBytes) {
        refusePicture(name, QCoreApplication::translate(
                                "PictureLoader",
                                "the picture is too large (%1 x %2 pixels stored this "
                                "way need %3 MiB to decode, more than %4 MiB)")
                                .arg(size.width())
                                .arg(size.height())
                                .arg(mebibytes(demand.bytes), mebibytes(kMaxDecodeBytes)));
    }
    if (heldBytes > 0 && demand.bytes + heldBytes > kMaxHeldAndDecodeBytes) {
        refusePicture(name, QStringLiteral("the picture is too large (%1 x %2 pixels need %3 MiB "
                                           "to decode beside the %4 MiB they arrived in, more "
                                           "than %5 MiB in all)")
                                .arg(size.width())
                                .arg(size.height())
                                .arg(mebibytes(demand.bytes), mebibytes(heldBytes),
                                     mebibytes(kMaxHeldAndDecodeBytes)));
    }
}

QImage decodePicture(const PictureBytes& bytes, int side) {
    const QString& name = bytes.name();
    const std::unique_ptr<QIODevice> source = bytes.open();
    EndWatchingDevice device(*source);
    std::unique_ptr<QImageReader> reader = xbmReader(*source, device);
    if (!reader) {
        reader = openReader(device, name);
        if (!reader->canRead()) {
            refusePicture(name, readerFailure(*reader));
        }
    }
    const QByteArray format = reader->format();
    if (!isReadFormat(format)) {
        refusePicture(
            name, QCoreApplication::translate("PictureLoader", "the game does not read %1 pictures")
                      .arg(QString::fromLatin1(format).toUpper()));
    }

    const std::unique_ptr<QIODevice> headers = bytes.open();
    const PictureDemand demand = pictureDemand(format, *headers, *reader, side);
    checkDemand(name, format, demand, bytes.heldBytes());

    QImageIOHandler::Transformations orientation = reader->transformation();
    if (orientation == QImageIOHandler::TransformationNone) {
        orientation = containerOrientation(format, *headers);
    }
    if (demand.decodesToSquare) {
        reader->setScaledSize(QSize(side, side));
    }
    QImage decoded;
    if (demand.fillFormat != QImage::Format_Invalid) {
        // Pixels the decoder skips keep a colour of the file's own (the first of its palette)
        // instead of whatever the memory held before.
        decoded = QImage(demand.size, demand.fillFormat);
        decoded.fill(0);
    }
    device.startWatching();
    // The reader's error text can read "Unknown error" after a good read, so only the picture
    // itself tells whether the read worked.
    if (!reader->read(&decoded) || decoded.isNull()) {
        refusePicture(name, readerFailure(*reader));
    }
    // A file that ends before its picture does is damaged, whatever the decoder made of it:
    // part of the picture would show memory no file wrote, or a decoder's guess.
    const bool readsExactRows = format == "bmp" || format == "dib";
    if (device.foundNothingLeft() || (readsExactRows && device.foundLessThanAsked())) {
        refusePicture(name, QCoreApplication::translate("PictureLoader", kDamaged));
    }
    // Decoders keep a share of what they decoded; without them it is converted in place.
    reader.reset();
    const QImage picture = orientedPicture(squarePicture(std::move(decoded), side), orientation);
    return picture.convertToFormat(picture.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                             : QImage::Format_RGB32);
}

void checkSide(const QString& name, int side) {
    if (side < 1 || side > kMaxPuzzlePictureSide) {
        refusePicture(
            name, QCoreApplication::translate("PictureLoader",
                                              "a square of %1 pixels is not a size for the puzzle")
                      .arg(side));
    }
}

}  // namespace

QImage loadPuzzlePicture(const QString& path, int side) {
    checkSide(path, side);
    AllocationLimitAtBudget limit;
    return decodePicture(FileBytes(path), side);
}

QImage loadPuzzlePictureData(const QByteArray& data, const QString& name, int side) {
    checkSide(name, side);
    AllocationLimitAtBudget limit;
    return decodePicture(MemoryBytes(data, name), side);
}

QStringList puzzlePictureMimeTypes() {
    QStringList types;
    for (const QByteArray& type : QImageReader::supportedMimeTypes()) {
        for (const QByteArray& format : QImageReader::imageFormatsForMimeType(type)) {
            if (isReadFormat(format) && !types.contains(QString::fromLatin1(type))) {
                types.append(QString::fromLatin1(type));
            }
        }
    }
    return types;
}
