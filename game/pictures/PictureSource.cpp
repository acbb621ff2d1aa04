#include "game/pictures/PictureSource.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>
#include <utility>

#include "game/pictures/PictureAddress.h"
#include "game/pictures/PictureLoader.h"
#include "platform/RegularFile.h"

namespace {

// Pasted bytes above this are let go once decoded: held for the whole run, they would keep the
// game's own memory high while the next picture decodes.
constexpr qsizetype kKeptPictureBytes = 16 * 1024 * 1024;

// A picture another part of this program put on the clipboard arrives decoded already; it is held
// to the same limits as a file.
QImage scaledPicture(const QImage& picture, const QString& name, int side) {
    if (picture.isNull()) {
        refusePicture(name, QCoreApplication::translate("PictureLoader",
                                                        "the file is damaged or is not a picture"));
    }
    if (static_cast<long long>(picture.width()) * picture.height() > kMaxPicturePixels) {
        refusePicture(name, QCoreApplication::translate("PictureLoader",
                                                        "the picture is too large (%1 x %2 pixels)")
                                .arg(picture.width())
                                .arg(picture.height()));
    }
    return picture.scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(picture.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                   : QImage::Format_RGB32);
}

// A digest of the file's whole content, read a piece at a time; empty when it cannot be read.
QByteArray contentDigest(const QString& path) {
    const OpenedFile opened = openRegularFile(path);
    if (!opened.file) {
        return {};
    }
    QCryptographicHash digest(QCryptographicHash::Blake2b_256);
    if (!digest.addData(opened.file.get())) {
        return {};
    }
    return digest.result();
}

}  // namespace

PictureSource::PictureSource(Kind kind, QString name, QByteArray bytes, QImage image)
    : kind_(kind), path_(std::move(name)), bytes_(std::move(bytes)), image_(std::move(image)) {}

PictureSource PictureSource::file(const QString& path) {
    return {Kind::File, path, {}, {}};
}

PictureSource PictureSource::data(const QByteArray& bytes, const QString& name) {
    return {Kind::Data, name, bytes, {}};
}

PictureSource PictureSource::image(const QImage& picture, const QString& name) {
    return {Kind::Image, name, {}, picture};
}

PictureSource PictureSource::elsewhere(const QString& address) {
    return {Kind::Elsewhere, address, {}, {}};
}

QString PictureSource::name() const {
    return kind_ == Kind::File ? QFileInfo(path_).fileName() : path_;
}

QImage PictureSource::load(int side, const DecoderWait& wait) {
    switch (kind_) {
        case Kind::Data: {
            QImage picture = loadPuzzlePictureData(bytes_, path_, side, wait);
            if (bytes_.size() > kKeptPictureBytes) {
                bytes_.clear();  // given up: the remake at another ratio uses the picture in hand
                bytes_.squeeze();
            }
            return picture;
        }
        case Kind::Image:
            return scaledPicture(image_, path_, side);
        case Kind::Elsewhere:
            refusePicture(
                path_, QCoreApplication::translate("PictureSource",
                                                   "only pictures on this computer can be loaded"));
        case Kind::File:
            break;
    }
    const QImage picture = loadPuzzlePicture(path_, side, wait);
    fileContent_ = contentDigest(path_);
    return picture;
}

QImage PictureSource::loadAgain(int side, const DecoderWait& wait) {
    if (kind_ == Kind::Data && bytes_.isEmpty()) {
        return {};
    }
    if (kind_ != Kind::File) {
        return load(side, wait);
    }
    // Size and time of change prove nothing: a file copied over keeps the size and can be given
    // the time. Its content is compared before and after it is read, so a change while it is
    // read is caught too.
    if (fileContent_.isEmpty() || contentDigest(path_) != fileContent_) {
        return {};
    }
    const QByteArray proven = fileContent_;
    QImage picture = loadPuzzlePicture(path_, side, wait);
    if (contentDigest(path_) != proven) {
        return {};
    }
    return picture;
}

std::optional<QString> localFileIn(const QMimeData* mime) {
    if (mime == nullptr || !mime->hasUrls()) {
        return std::nullopt;
    }
    for (const QUrl& url : mime->urls()) {
        if (const auto path = localPathOf(url)) {
            return path;
        }
    }
    return std::nullopt;
}
