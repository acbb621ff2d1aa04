#include "game/pictures/PictureLoader.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QDir>
#include <QProcess>
#include <QUrl>
#include <algorithm>
#include <cstring>
#include <memory>
#include <utility>

#include "game/pictures/DecoderLimits.h"
#include "platform/Failure.h"
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

bool blockingWait(QProcess& decoder, std::chrono::milliseconds deadline) {
    decoder.waitForFinished(static_cast<int>(deadline.count()));
    return true;
}

// One run of the decoding program for one picture.
class DecoderRun {
public:
    DecoderRun(const DecodeRequest& request, const QByteArray& bytes) : limits_(settings().limits) {
        // The bytes the game holds leave the decoder that much less room, down to what its own
        // libraries take.
        limits_.memoryBytes = std::max(limits_.memoryBytes - bytes.size(), kDecoderBase);
        maxReply_ = qint64{request.side} * request.side * 4 + kReplyOverhead;
        pending_ = bytes;
        head_ = requestHead(request, bytes);
    }

    DecodeReply run(const DecoderWait& wait) {
        QProcess decoder;
        decoder.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        DecoderConfinement confinement(decoder, limits_);
        QObject::connect(&decoder, &QProcess::bytesWritten, [&] { feed(decoder); });
        bool overflowed = false;
        QObject::connect(&decoder, &QProcess::readyReadStandardOutput, [&] {
            if (decoder.bytesAvailable() > maxReply_) {
                overflowed = true;  // no reply of ours is that long
                decoder.kill();
            }
        });
        decoder.start(decoderProgram(), {});
        if (!decoder.waitForStarted() || !confinement.confine()) {
            decoder.kill();
            decoder.waitForFinished();
            throw Failure(QCoreApplication::translate("DecoderReport",
                                                      "Cannot start the picture decoder %1: %2")
                              .arg(QDir::toNativeSeparators(decoderProgram()),
                                   confinement.failure().isEmpty() ? decoder.errorString()
                                                                   : confinement.failure())
                              .toStdString());
        }
        decoder.write(std::exchange(head_, {}));
        feed(decoder);

        const bool waited = (wait ? wait : DecoderWait(blockingWait))(decoder, limits_.deadline);
        const bool ended = decoder.state() == QProcess::NotRunning;
        if (!ended) {
            decoder.kill();
            decoder.waitForFinished();
        }
        if (!waited) {
            throw PictureLoadStopped();
        }
        DecodeReply reply = readReply(decoder.readAllStandardOutput());
        if (!ended || (decoder.exitCode() != 0 && confinement.ranOutOfProcessorTime())) {
            reply.finished = true;  // the deadline passed, or the processor limit: time ran out
            reply.refusal = DecodeRefusal::TooLarge;
        } else if (overflowed || decoder.exitStatus() != QProcess::NormalExit ||
                   decoder.exitCode() != 0 || !reply.finished) {
            reply.finished = true;  // a crash, or an answer cut short
            reply.refusal = DecodeRefusal::Damaged;
        }
        return reply;
    }

private:
    // Hands the decoder the next piece of the picture's bytes once the last one has left.
    void feed(QProcess& decoder) {
        if (decoder.bytesToWrite() > 0 || closed_) {
            return;
        }
        if (sent_ < pending_.size()) {
            const qsizetype piece = std::min(kRequestPiece, pending_.size() - sent_);
            decoder.write(pending_.constData() + sent_, piece);
            sent_ += piece;
        } else {
            decoder.closeWriteChannel();
            closed_ = true;
        }
    }

    DecodeLimits limits_;
    qint64 maxReply_ = 0;
    QByteArray head_;
    QByteArray pending_;
    qsizetype sent_ = 0;
    bool closed_ = false;
};

QImage decoded(const DecodeRequest& request, const QByteArray& bytes, const QString& name,
               const DecoderWait& wait) {
    if (request.side < 1 || request.side > kMaxPuzzlePictureSide) {
        refusePicture(
            name, QCoreApplication::translate("PictureLoader",
                                              "a square of %1 pixels is not a size for the puzzle")
                      .arg(request.side));
    }
    const DecodeReply reply = DecoderRun(request, bytes).run(wait);
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
#ifdef _WIN32
    return QCoreApplication::applicationDirPath() + QStringLiteral("/tavlora-decode.exe");
#else
    return QCoreApplication::applicationDirPath() + QStringLiteral("/tavlora-decode");
#endif
}

void setDecodeLimits(const DecodeLimits& limits) {
    settings().limits = limits;
}

DecodeLimits decodeLimits() {
    return settings().limits;
}

QImage loadPuzzlePicture(const QString& path, int side, const DecoderWait& wait) {
    const QString name = reportedName(path);
    // Only a regular file is handed on: reading a pipe or a device could keep the decoder
    // waiting for another program without end. The decoder checks again as it opens it.
    const OpenedFile opened = openRegularFile(path);
    if (!opened.file) {
        refusePicture(name, fileRefusal(opened.refusal, opened.error));
    }
    DecodeRequest request;
    request.side = side;
    request.name = path;
    request.path = path;
    return decoded(request, {}, name, wait);
}

QImage loadPuzzlePictureData(const QByteArray& data, const QString& name, int side,
                             const DecoderWait& wait) {
    DecodeRequest request;
    request.side = side;
    request.name = name;
    return decoded(request, data, name, wait);
}

QStringList puzzlePictureMimeTypes() {
    return readMimeTypes();
}
