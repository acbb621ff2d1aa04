#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <optional>

#include "game/pictures/PictureLoader.h"

class QMimeData;

// Where a puzzle picture comes from: a file, the bytes of a picture held in memory, a picture
// already decoded, or an address of another computer, which is refused. It is read again whenever
// the picture must be made at another pixel ratio (PictureLoad).
class PictureSource {
public:
    PictureSource() = default;
    static PictureSource file(const QString& path);
    static PictureSource data(const QByteArray& bytes, const QString& name);
    static PictureSource image(const QImage& picture, const QString& name);
    static PictureSource elsewhere(const QString& address);

    // What a player calls the picture: a file's name without its folder, or the name it was given.
    QString name() const;

private:
    friend class PictureLoad;
    enum class Kind { File, Data, Image, Elsewhere };
    PictureSource(Kind kind, QString name, QByteArray bytes, QImage image);

    Kind kind_ = Kind::File;
    QString path_;  // the file, or the name of the bytes or picture in reports
    QByteArray bytes_;
    QImage image_;
    QByteArray fileContent_;  // the digest of the file's content as the decoder read it
};

// The first local file among dropped or copied items; none for text, web addresses and the like.
std::optional<QString> localFileIn(const QMimeData* mime);
