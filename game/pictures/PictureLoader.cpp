#include "game/pictures/PictureLoader.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QDir>
#include <QProcess>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <cstring>
#include <memory>
#include <utility>

#include "game/pictures/DecoderLimits.h"
#include "platform/Failure.h"
#include "platform/HelperProgram.h"
#include "platform/RegularFile.h"

void refusePicture(const QString& name, const QString& reason) {
    throw Failure(QCoreApplication::translate("PictureLoader", "Cannot load the picture %1: %2")
                      .arg(name, reason)
                      .toStdString());
}

namespace {

const char* const kDamaged =
    QT_TRANSLATE_NOOP("PictureLoader", "the file is damaged or is not a picture");

// The whole game's memory while a picture decodes is the window's own (about 32 MiB, more with a
// pasted picture's bytes, which the decoder's limit gives up) and the decoder's. The limit counts
// only the memory the decoder writes to (its heap, its threads' stacks, the pixels): the largest
// picture at 4 bytes a pixel (381 MiB) and a little working space. Its libraries and the C
// library's locale archive are files it maps, which the limit leaves out: their size depends on the
// system (the locale archive alone grew from 7 to 43 MiB as locales were generated) and only a few
// MiB of them become resident. The whole game stays just under 450 MiB resident
// (tests/game/pictures/PicturePeakTest).
constexpr long long kDecoderMemory = 400LL * 1024 * 1024;
// What the decoder writes to before it decodes anything is about 1 MiB; a pasted picture never
// leaves it less than this.
constexpr long long kDecoderBase = 24LL * 1024 * 1024;
// A 100-megapixel BMP decodes in about 1.3 s and a WebP of that size in about 3 s on a 2.1 GHz
// machine; a slower machine, or Wine, gets ample room beyond that.
constexpr std::chrono::seconds kDecoderProcessorTime{20};
constexpr std::chrono::milliseconds kDecoderDeadline{30000};
// The reply's parts besides the pixels take a few dozen bytes.
constexpr qint64 kReplyOverhead = 4096;
// Bytes handed to the decoder a piece at a time, so the pipe never holds a second copy of them.
constexpr qsizetype kRequestPiece = 1 << 20;
// How long the end of a killed decoder is waited for: it is gone within moments.
constexpr int kEndWait = 50;

struct DecoderSettings {
    QString program;
    DecodeLimits limits = defaultDecodeLimits();
};

DecoderSettings& settings() {
    static DecoderSettings current;
    return current;
}

// Why a file cannot be read, in the words of a refusal.
QString fileRefusal(FileRefusal refusal, const QString& error) {
    switch (refusal) {
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
    return error;
}

// Reports name the file as the system writes paths, with backslashes on Windows; an address that
// names no file ("file:…") is named as it was given.
QString reportedName(const QString& path) {
    return QUrl(path).scheme().size() > 1 ? path : QDir::toNativeSeparators(path);
}

QString tooLarge(const DecodeReply& reply) {
    if (reply.statedWidth > 0 && reply.statedHeight > 0) {
        return QCoreApplication::translate("PictureLoader",
                                           "the picture is too large (%1 x %2 pixels)")
            .arg(reply.statedWidth)
            .arg(reply.statedHeight);
    }
    return QCoreApplication::translate("DecoderReport", "the picture is too large to decode");
}

// The reason a refusal of the decoder's gives, in the player's language.
QString refusalReason(const DecodeReply& reply) {
    switch (*reply.refusal) {
        case DecodeRefusal::TooLarge:
            return tooLarge(reply);
        case DecodeRefusal::Unsupported:
            return QCoreApplication::translate("PictureLoader",
                                               "the game does not read %1 pictures")
                .arg(reply.text.toUpper());
        case DecodeRefusal::DeviceError:
            return reply.text;
        case DecodeRefusal::FileRefused:
            return fileRefusal(static_cast<FileRefusal>(reply.code), reply.text);
        case DecodeRefusal::Damaged:
        case DecodeRefusal::BadRequest:
        case DecodeRefusal::Changed:
            break;
    }
    return QCoreApplication::translate("PictureLoader", kDamaged);
}

// The request, up to its bytes, which follow as QDataStream writes a byte array: their count,
// then the bytes themselves.
QByteArray requestHead(const DecodeRequest& request, const QByteArray& bytes) {
    QByteArray head = encodeRequest(request);
    head.chop(4);  // the empty byte array's count
    QDataStream stream(&head, QIODevice::Append);
    stream << quint32(bytes.size());
    return head;
}

// The square the decoder made, once it has answered; a refusal in the player's words otherwise.
QImage pictureOf(const DecodeReply& reply, const QString& name) {
    if (reply.refusal) {
        refusePicture(name, refusalReason(reply));
    }
    QImage picture(reply.side, reply.side,
                   reply.hasAlpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    if (picture.isNull()) {
        throw std::bad_alloc();
    }
    for (int y = 0; y < reply.side; ++y) {
        std::memcpy(picture.scanLine(y), reply.pixels.constData() + qsizetype{y} * reply.side * 4,
                    std::size_t(reply.side) * 4);
    }
    return picture;
}

std::unique_ptr<DecoderJob> startJob(const DecodeRequest& request, const QByteArray& bytes,
                                     const QString& name) {
    if (request.side < 1 || request.side > kMaxPuzzlePictureSide) {
        refusePicture(
            name, QCoreApplication::translate("PictureLoader",
                                              "a square of %1 pixels is not a size for the puzzle")
                      .arg(request.side));
    }
    return DecoderJob::start(request, bytes, name);
}

QImage decodedNow(const DecodeRequest& request, const QByteArray& bytes, const QString& name) {
    const std::unique_ptr<DecoderJob> job = startJob(request, bytes, name);
    job->waitForFinished();
    return job->picture();
}

}  // namespace

DecodeLimits defaultDecodeLimits() {
    return {kDecoderMemory, kDecoderProcessorTime, kDecoderDeadline};
}

void setDecoderProgram(const QString& path) {
    settings().program = path;
}

QString decoderProgram() {
    if (!settings().program.isEmpty()) {
        return settings().program;
    }
    return helperProgramPath(QStringLiteral("tavlora-decode"));
}

void setDecodeLimits(const DecodeLimits& limits) {
    settings().limits = limits;
}

DecodeLimits decodeLimits() {
    return settings().limits;
}

DecodeRequest fileRequest(const QString& path, int side) {
    // Only a regular file is handed on: reading a pipe or a device could keep the decoder
    // waiting for another program without end. The decoder checks again as it opens it.
    const OpenedFile opened = openRegularFile(path);
    if (!opened.file) {
        refusePicture(reportedName(path), fileRefusal(opened.refusal, opened.error));
    }
    DecodeRequest request;
    request.side = side;
    request.name = path;
    request.path = path;
    return request;
}

std::unique_ptr<DecoderJob> startFileDecoding(const QString& path, int side,
                                              const QByteArray& expectedDigest) {
    DecodeRequest request = fileRequest(path, side);
    request.expectedDigest = expectedDigest;
    return startJob(request, {}, reportedName(path));
}

std::unique_ptr<DecoderJob> startDataDecoding(const QByteArray& data, const QString& name,
                                              int side) {
    DecodeRequest request;
    request.side = side;
    request.name = name;
    return startJob(request, data, name);
}

QImage loadPuzzlePicture(const QString& path, int side) {
    return decodedNow(fileRequest(path, side), {}, reportedName(path));
}

QImage loadPuzzlePictureData(const QByteArray& data, const QString& name, int side) {
    DecodeRequest request;
    request.side = side;
    request.name = name;
    return decodedNow(request, data, name);
}

// -- DecoderJob

DecoderJob::DecoderJob(const DecodeRequest& request, const QByteArray& bytes, QString name)
    : name_(std::move(name)), limits_(settings().limits), process_(new QProcess(this)) {
    // The bytes the game holds leave the decoder that much less room, down to what its own
    // libraries take.
    limits_.memoryBytes = std::max(limits_.memoryBytes - bytes.size(), kDecoderBase);
    maxReply_ = qint64{request.side} * request.side * 4 + kReplyOverhead;
    pending_ = bytes;
    head_ = requestHead(request, bytes);
}

DecoderJob::~DecoderJob() {
    endHelperAtOnce(process_);  // a decoder given up ends at once
}

std::unique_ptr<DecoderJob> DecoderJob::start(const DecodeRequest& request, const QByteArray& bytes,
                                              const QString& name) {
    std::unique_ptr<DecoderJob> job(new DecoderJob(request, bytes, name));
    job->launch();
    return job;
}

void DecoderJob::launch() {
    QProcess& decoder = *process_;
    decoder.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    confinement_ = std::make_unique<DecoderConfinement>(decoder, limits_);
    connect(&decoder, &QProcess::bytesWritten, this, &DecoderJob::feed);
    connect(&decoder, &QProcess::readyReadStandardOutput, this, [this] {
        if (process_->bytesAvailable() > maxReply_) {
            overflowed_ = true;  // no reply of ours is that long
            process_->kill();
        }
    });
    decoder.start(decoderProgram(), {});
    if (!decoder.waitForStarted() || !confinement_->confine()) {
        decoder.kill();
        decoder.waitForFinished();
        throw Failure(
            QCoreApplication::translate("DecoderReport", "Cannot start the picture decoder %1: %2")
                .arg(QDir::toNativeSeparators(decoderProgram()), confinement_->failure().isEmpty()
                                                                     ? decoder.errorString()
                                                                     : confinement_->failure())
                .toStdString());
    }
    connect(&decoder, &QProcess::finished, this, [this] { concludeLater(true); });
    deadline_.setSingleShot(true);
    connect(&deadline_, &QTimer::timeout, this, [this] { concludeLater(false); });
    deadline_.start(limits_.deadline);
    decoder.write(std::exchange(head_, {}));
    feed();
}

// Hands the decoder the next piece of the picture's bytes once the last one has left.
void DecoderJob::feed() {
    if (process_->bytesToWrite() > 0 || closed_) {
        return;
    }
    if (sent_ < pending_.size()) {
        const qsizetype piece = std::min(kRequestPiece, pending_.size() - sent_);
        process_->write(pending_.constData() + sent_, piece);
        sent_ += piece;
    } else {
        process_->closeWriteChannel();
        closed_ = true;
        pending_ = QByteArray();
    }
}

void DecoderJob::conclude(bool ended) {
    if (finished_) {
        return;
    }
    finished_ = true;
    deadline_.stop();
    process_->disconnect(this);
    if (!ended) {
        process_->kill();
        process_->waitForFinished(kEndWait);
    }
    reply_ = readReply(process_->readAllStandardOutput());
    if (!ended || (process_->exitCode() != 0 && confinement_->ranOutOfProcessorTime())) {
        reply_.finished = true;  // the deadline passed, or the processor limit: time ran out
        reply_.refusal = DecodeRefusal::TooLarge;
    } else if (overflowed_ || process_->exitStatus() != QProcess::NormalExit ||
               process_->exitCode() != 0 || !reply_.finished) {
        reply_.finished = true;  // a crash, or an answer cut short
        reply_.refusal = DecodeRefusal::Damaged;
    }
}

void DecoderJob::concludeLater(bool ended) {
    conclude(ended);
    // Told once the process has left its own signal, so a listener may end this job at once.
    QTimer::singleShot(0, this, [this] { emit finished(); });
}

void DecoderJob::waitForFinished() {
    if (!finished_) {
        const bool ended = process_->waitForFinished(static_cast<int>(limits_.deadline.count()));
        conclude(ended || process_->state() == QProcess::NotRunning);
    }
}

QImage DecoderJob::picture() const {
    return pictureOf(reply_, name_);
}

qint64 DecoderJob::processId() const {
    return process_->processId();
}

QStringList puzzlePictureMimeTypes() {
    return readMimeTypes();
}
