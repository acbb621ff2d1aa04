#include "game/pictures/PictureAddress.h"

#include <QFileInfo>

std::optional<QString> localPathOf(const QUrl& url) {
    if (!url.isLocalFile()) {
        return std::nullopt;
    }
    const QString host = url.host();
    if (!host.isEmpty() && host.compare(QStringLiteral("localhost"), Qt::CaseInsensitive) != 0) {
        return std::nullopt;
    }
    QUrl here(url);
    here.setHost(QString());
    const QString path = here.toLocalFile();
    if (path.isEmpty()) {
        return std::nullopt;
    }
    if (path.contains(QChar(u'\0'))) {
        return url.toString(QUrl::FullyEncoded);
    }
    return path;
}

PictureSource pictureNamed(const QString& argument) {
    if (QFileInfo::exists(argument)) {
        return PictureSource::file(argument);
    }
    const QUrl url(argument);
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("file")) {
        if (const auto path = localPathOf(url)) {
            return PictureSource::file(*path == url.toString(QUrl::FullyEncoded) ? argument
                                                                                 : *path);
        }
        return PictureSource::elsewhere(argument);
    }
    for (const char* remote : {"http", "https", "ftp", "data"}) {
        if (scheme == QLatin1String(remote)) {
            return PictureSource::elsewhere(argument);
        }
    }
    return PictureSource::file(argument);
}
