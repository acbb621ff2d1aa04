#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QImage>
#include <QString>
#include <optional>

class QMimeData;

// Where a puzzle picture comes from: a file, the bytes of a picture held in memory, or a picture
// already decoded. It is read again whenever the picture must be made at another pixel ratio.
class PictureSource {
public:
    PictureSource() = default;
    static PictureSource file(const QString& path);
    static PictureSource data(const QByteArray& bytes, const QString& name);
    static PictureSource image(const QImage& picture, const QString& name);

    // The picture stretched to `side` x `side` device pixels; a Failure naming the source and
    // the reason when it cannot be read.
    QImage load(int side);
    // Whether load() still gives the same picture: a file that changed since it was read is not
    // read again.
    bool unchangedSinceLoad() const;

private:
    enum class Kind { File, Data, Image };
    PictureSource(Kind kind, QString name, QByteArray bytes, QImage image);

    Kind kind_ = Kind::File;
    QString path_;  // the file, or the name of the bytes or picture in reports
    QByteArray bytes_;
    QImage image_;
    qint64 fileSize_ = -1;
    QDateTime fileModified_;
};

// The first local file among dropped or copied items; none for text, web addresses and the like.
std::optional<QString> localFileIn(const QMimeData* mime);
// What a paste offers as a picture: a copied picture file, encoded picture data, or a picture;
// none when nothing on the clipboard is one.
std::optional<PictureSource> pictureIn(const QMimeData* mime);
