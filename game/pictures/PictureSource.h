#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <optional>

#include "game/pictures/PictureLoader.h"

class QMimeData;

// Where a puzzle picture comes from: a file, the bytes of a picture held in memory, a picture
// already decoded, or an address of another computer, which is refused. It is read again whenever
// the picture must be made at another pixel ratio.
class PictureSource {
public:
    PictureSource() = default;
    static PictureSource file(const QString& path);
    static PictureSource data(const QByteArray& bytes, const QString& name);
    static PictureSource image(const QImage& picture, const QString& name);
    static PictureSource elsewhere(const QString& address);

    // The picture stretched to `side` x `side` device pixels; a Failure naming the source and
    // the reason when it cannot be read. `wait` waits for the decoder as in loadPuzzlePicture.
    QImage load(int side, const DecoderWait& wait = {});
    // The same picture made again at `side`, or a null picture when it cannot be proven the same:
    // a file is read again only while its content is the content load() read.
    // Pasted bytes too large to keep are not kept for this: the picture in hand will do.
    QImage loadAgain(int side, const DecoderWait& wait = {});
    // What a player calls the picture: a file's name without its folder, or the name it was given.
    QString name() const;

private:
    enum class Kind { File, Data, Image, Elsewhere };
    PictureSource(Kind kind, QString name, QByteArray bytes, QImage image);

    Kind kind_ = Kind::File;
    QString path_;  // the file, or the name of the bytes or picture in reports
    QByteArray bytes_;
    QImage image_;
    QByteArray fileContent_;  // a digest of the file's content as load() read it
};

// The first local file among dropped or copied items; none for text, web addresses and the like.
std::optional<QString> localFileIn(const QMimeData* mime);
