#include "game/decoder/PictureDecoding.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>
#include <cstdlib>
#include <memory>
#include <new>
#include <utility>

#include "game/decoder/EndWatchingDevice.h"
#include "game/decoder/ExifOrientation.h"
#include "game/decoder/PictureShrink.h"
#include "platform/IconImages.h"
#include "platform/RegularFile.h"

namespace {

// Thrown where the picture is refused; the reply carries it.
struct Refused {
    explicit Refused(DecodeRefusal why, qint32 number = 0, QString words = {})
        : refusal(why), code(number), text(std::move(words)) {}
    DecodeRefusal refusal;
    qint32 code;
    QString text;
};

// Where the picture's bytes come from. Every open() gives a device of its own, so headers can be
// read beside the decoder without moving it.
class PictureBytes {
public:
    explicit PictureBytes(const DecodeRequest& request) : request_(request) {}

    std::unique_ptr<QIODevice> open() const {
        if (request_.path.isEmpty()) {
            auto buffer = std::make_unique<QBuffer>();
            buffer->setData(request_.bytes);  // shares the bytes, copies none
            buffer->open(QIODevice::ReadOnly);
            return buffer;
        }
        // Only a regular file is opened, here too: the file may have been swapped for a pipe
        // since the game looked at it.
        OpenedFile opened = openRegularFile(request_.path);
        if (!opened.file) {
            throw Refused(DecodeRefusal::FileRefused, static_cast<qint32>(opened.refusal),
                          opened.error);
        }
        return std::move(opened.file);
    }

private:
    const DecodeRequest& request_;
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
Refused readerFailure(const QImageReader& reader) {
    if (reader.error() == QImageReader::DeviceError) {
        return Refused(DecodeRefusal::DeviceError, 0, reader.errorString());
    }
    return Refused(DecodeRefusal::Damaged);
}

// The size the header states; a bitmap stored top down gives a negative height.
QSize statedSize(QImageReader& reader, const QByteArray& format, const PictureBytes& bytes) {
    QSize size = reader.size();
    size.setHeight(std::abs(size.height()));
    if (format == "ico" || format == "cur") {
        // The directory names no side above 256, but the image behind an entry may claim any
        // size in its own header, and that claim is what the decoder allocates for.
        const std::unique_ptr<QIODevice> headers = bytes.open();
        const QSize claimed = largestClaimedIconImage(*headers);
        if (claimed.width() > kMaxIconSide || claimed.height() > kMaxIconSide) {
            size = claimed;
        }
    }
    return size;
}

bool tooLarge(QSize size, const QByteArray& format) {
    const bool isIcon = format == "ico" || format == "cur";
    return static_cast<long long>(size.width()) * size.height() > kMaxPicturePixels ||
           (isIcon && (size.width() > kMaxIconSide || size.height() > kMaxIconSide));
}

// A read that failed for want of memory is told from one that failed on damage by whether the
// picture of the stated size could be held twice, as the hungriest decoders hold it (the picture
// and a working copy): under the program's limits the allocations themselves answer, and the
// memory is never touched.
bool couldHold(QSize size) {
    if (size.isEmpty()) {
        return true;
    }
    const std::size_t bytes = std::size_t(size.width()) * std::size_t(size.height()) * 4;
    void* picture = std::malloc(bytes);
    void* copy = picture != nullptr ? std::malloc(bytes) : nullptr;
    std::free(copy);
    std::free(picture);
    return copy != nullptr;
}

QImage decodePicture(const DecodeRequest& request, QIODevice& output, QSize& stated) {
    const PictureBytes bytes(request);
    const std::unique_ptr<QIODevice> source = bytes.open();
    EndWatchingDevice device(*source);
    std::unique_ptr<QImageReader> reader = xbmReader(*source, device);
    if (!reader) {
        reader = openReader(device, request.name);
        if (!reader->canRead()) {
            throw readerFailure(*reader);
        }
    }
    const QByteArray format = reader->format();
    if (!isReadFormat(format)) {
        throw Refused(DecodeRefusal::Unsupported, 0, QString::fromLatin1(format));
    }
    stated = statedSize(*reader, format, bytes);
    if (stated.isValid()) {
        output.write(encodeStatedSize(stated.width(), stated.height()));
    }
    if (tooLarge(stated, format)) {
        throw Refused(DecodeRefusal::TooLarge);
    }

    QImageIOHandler::Transformations orientation = reader->transformation();
    if (orientation == QImageIOHandler::TransformationNone) {
        const std::unique_ptr<QIODevice> headers = bytes.open();
        orientation = containerOrientation(format, *headers);
    }
    if (format == "jpeg" || format == "jpg") {
        // The JPEG reader makes the square while it decodes, at 1/2, 1/4 or 1/8 of full size.
        reader->setScaledSize(QSize(request.side, request.side));
    }
    QImage decoded;
    if ((format == "bmp" || format == "dib") && reader->imageFormat() == QImage::Format_Indexed8 &&
        !stated.isEmpty()) {
        // A run-length bitmap may skip pixels; they keep the first colour of the file's palette
        // instead of whatever the memory held before.
        decoded = QImage(stated, QImage::Format_Indexed8);
        decoded.fill(0);
    }
    device.startWatching();
    // The reader's error text can read "Unknown error" after a good read, so only the picture
    // itself tells whether the read worked.
    if (!reader->read(&decoded) || decoded.isNull()) {
        if (!device.foundNothingLeft() && !couldHold(stated)) {
            throw Refused(DecodeRefusal::TooLarge);
        }
        throw readerFailure(*reader);
    }
    // Some readers state no size, or the first frame's: the picture made is judged as well.
    if (tooLarge(decoded.size(), format)) {
        output.write(encodeStatedSize(decoded.width(), decoded.height()));
        throw Refused(DecodeRefusal::TooLarge);
    }
    // A file that ends before its picture does is damaged, whatever the decoder made of it:
    // part of the picture would show memory no file wrote, or a decoder's guess.
    const bool readsExactRows = format == "bmp" || format == "dib";
    if (device.foundNothingLeft() || (readsExactRows && device.foundLessThanAsked())) {
        throw Refused(DecodeRefusal::Damaged);
    }
    reader.reset();
    QImage picture = orientedPicture(squarePicture(std::move(decoded), request.side), orientation);
    picture = std::move(picture).convertToFormat(
        picture.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    if (picture.isNull()) {
        throw Refused(DecodeRefusal::TooLarge);  // only memory keeps a small square from being made
    }
    return picture;
}

// The digest of a file's whole content, read anew: the game compares it when it reads the file
// again, and no file is read on the game's window for it.
QByteArray fileDigest(const PictureBytes& bytes) {
    const std::unique_ptr<QIODevice> content = bytes.open();
    return contentDigest(*content);
}

QByteArray pixelsOf(const QImage& picture) {
    QByteArray pixels;
    pixels.reserve(qsizetype{picture.width()} * picture.height() * 4);
    for (int y = 0; y < picture.height(); ++y) {
        pixels.append(reinterpret_cast<const char*>(picture.constScanLine(y)),
                      qsizetype{picture.width()} * 4);
    }
    return pixels;
}

}  // namespace

void decodeAndReply(const DecodeRequest& request, QIODevice& output) {
    if (request.side < 1 || request.side > kMaxPuzzlePictureSide) {
        output.write(encodeRefusal(DecodeRefusal::BadRequest, request.side));
        return;
    }
    // The system's limits on this process judge what may be decoded, not Qt's default.
    QImageReader::setAllocationLimit(0);
    QSize stated;
    const bool isFile = !request.path.isEmpty();
    try {
        const PictureBytes bytes(request);
        // A file read again is read only while it still holds what it held the first time.
        if (isFile && !request.expectedDigest.isEmpty() &&
            fileDigest(bytes) != request.expectedDigest) {
            throw Refused(DecodeRefusal::Changed);
        }
        const QImage picture = decodePicture(request, output, stated);
        if (isFile) {
            output.write(encodeDigest(fileDigest(bytes)));
        }
        output.write(encodePicture(picture.hasAlphaChannel(), request.side, pixelsOf(picture)));
    } catch (const Refused& refused) {
        output.write(encodeRefusal(refused.refusal, refused.code, refused.text));
    } catch (const std::bad_alloc&) {
        output.write(encodeRefusal(DecodeRefusal::TooLarge));
    }
}

int runDecoder(QIODevice& input, QIODevice& output) {
    std::optional<DecodeRequest> request;
    try {
        request = decodeRequest(input);
    } catch (const std::bad_alloc&) {
        request.reset();  // bytes beyond what the limits hold
    }
    if (!request) {
        output.write(encodeRefusal(DecodeRefusal::BadRequest));
        return 0;
    }
    decodeAndReply(*request, output);
    return 0;
}
