#include "game/pictures/PictureSource.h"

#include <QFileInfo>
#include <QMimeData>
#include <QUrl>
#include <utility>

#include "game/pictures/PictureAddress.h"

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
