#pragma once

#include <QByteArray>
#include <QImage>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <chrono>
#include <memory>

#include "game/decoder/DecodeProtocol.h"

class QProcess;

// A pasted picture's bytes are held by the game while a copy of them decodes in the decoding
// program, whose memory limit is lowered by as much: at most this much is taken from a clipboard.
inline constexpr long long kMaxHeldPictureBytes = 128LL * 1024 * 1024;

// The limits the system enforces on the decoding program, which keep the whole game (the window
// and the decoder together) under about 450 MB and answering.
struct DecodeLimits {
    // The memory the decoder writes to: its data limit on Linux (setrlimit RLIMIT_DATA, which
    // counts the heap and every private writable mapping), its committed memory on Windows (a job
    // object's process memory limit).
    long long memoryBytes = 0;
    // The processor time it may use, and the time after which the game ends it.
    std::chrono::seconds processorTime{0};
    std::chrono::milliseconds deadline{0};
};
DecodeLimits defaultDecodeLimits();

// Where the decoding program is and under which limits it runs: tavlora-decode beside the
// program, under defaultDecodeLimits(), unless set otherwise (tests, benchmarks, fuzzers).
void setDecoderProgram(const QString& path);
QString decoderProgram();
void setDecodeLimits(const DecodeLimits& limits);
DecodeLimits decodeLimits();

class DecoderConfinement;

// One picture being decoded by the decoding program, in a process of its own under its limits:
// the caller's thread goes on meanwhile, and `finished` comes once the program has answered,
// failed or run out of time. Ending the job ends the program.
class DecoderJob : public QObject {
    Q_OBJECT
public:
    // Starts the program on `request`, with `bytes` as the picture's bytes when it names no file;
    // a Failure when the program cannot be started. `name` names the picture in reports.
    static std::unique_ptr<DecoderJob> start(const DecodeRequest& request, const QByteArray& bytes,
                                             const QString& name);
    ~DecoderJob() override;
    DecoderJob(const DecoderJob&) = delete;
    DecoderJob& operator=(const DecoderJob&) = delete;

    bool isFinished() const { return finished_; }
    // Blocks until the program has answered or its time is up, for callers with no window.
    void waitForFinished();
    // Once finished: the picture stretched to the request's square; a Failure naming the picture
    // and the reason when it could not be made.
    QImage picture() const;
    const DecodeReply& reply() const { return reply_; }
    qint64 processId() const;

signals:
    void finished();

private:
    DecoderJob(const DecodeRequest& request, const QByteArray& bytes, QString name);
    void launch();
    void feed();
    void conclude(bool ended);
    void concludeLater(bool ended);

    QString name_;
    DecodeLimits limits_;
    QProcess* process_;
    std::unique_ptr<DecoderConfinement> confinement_;
    QTimer deadline_;
    qint64 maxReply_ = 0;
    QByteArray head_;
    QByteArray pending_;
    qsizetype sent_ = 0;
    bool closed_ = false;
    bool overflowed_ = false;
    bool finished_ = false;
    DecodeReply reply_;
};

// Starts decoding a file, or a picture's bytes, into a `side` x `side` square. A file that is no
// regular file is refused at once (a Failure). A file read again names the digest of the content
// it held when it was read before (DecodeReply::digest); other content is refused as changed.
std::unique_ptr<DecoderJob> startFileDecoding(const QString& path, int side,
                                              const QByteArray& expectedDigest = {});
std::unique_ptr<DecoderJob> startDataDecoding(const QByteArray& data, const QString& name,
                                              int side);

// Decodes the file in the decoding program (its content decides the format, not its name) and
// returns it stretched to a `side` x `side` square, turned the way the file's orientation tag
// says, waiting for it: for callers with no window to keep answering. A file that cannot be read
// as a picture is a Failure whose description names the file and the reason. `side` is the
// square in device pixels: 400 at 1x, 800 at 2x, 600 at 1.5x.
QImage loadPuzzlePicture(const QString& path, int side = kPuzzlePictureSide);

// The same for a picture held in memory: a picture file's bytes, or the encoded image data a
// clipboard offers (image/png ...). `name` names it in reports; where it ends in ".dib", a
// header-less bitmap no format claims by content is read as one.
QImage loadPuzzlePictureData(const QByteArray& data, const QString& name,
                             int side = kPuzzlePictureSide);

// A Failure "Cannot load the picture <name>: <reason>", the form of every refusal.
[[noreturn]] void refusePicture(const QString& name, const QString& reason);

// The MIME types of the picture formats the loader reads.
QStringList puzzlePictureMimeTypes();
