#pragma once

#include <QImage>
#include <QObject>
#include <exception>
#include <memory>

#include "game/pictures/PictureSource.h"

class DecoderJob;

// A puzzle picture being made from its source at one size, without holding up the caller's thread:
// files and bytes go through the decoding program, whose answer (and, for a file, the digest of
// what it read) arrives later; a picture in hand is scaled at once. `finished` always comes after
// the load was started, never inside start().
//
// A first load makes the picture or fails with a report. A remake at another pixel ratio makes the
// same picture again, from the file only while its content is still what the first load read;
// otherwise, or when the source cannot be read now, from the picture in hand.
class PictureLoad : public QObject {
    Q_OBJECT
public:
    enum class Purpose { First, Remake };

    // `current` is the picture in hand, for a remake.
    PictureLoad(PictureSource source, int side, Purpose purpose, QImage current = {});
    ~PictureLoad() override;

    void start();
    bool isFinished() const { return finished_; }
    // Once finished: the picture stretched to the square (a remake's on white, its ratio set), or
    // the Failure that names the source and the reason.
    QImage picture() const;
    // The source, with what this load learnt of it (the file's digest).
    PictureSource& source() { return source_; }
    int side() const { return side_; }
    // The decoder's process, while it runs: 0 otherwise.
    qint64 decoderProcessId() const;

signals:
    void finished();

private:
    void decoded();
    void finishSoon();
    QImage firstPicture();
    QImage remade(QImage read) const;

    PictureSource source_;
    int side_;
    Purpose purpose_;
    QImage current_;
    std::unique_ptr<DecoderJob> job_;
    QImage picture_;
    std::exception_ptr failure_;
    bool finished_ = false;
};
