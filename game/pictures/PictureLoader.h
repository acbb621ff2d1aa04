#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>
#include <chrono>
#include <exception>
#include <functional>

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

// How the game waits for the decoder it started. It returns once the decoder has ended or the
// deadline has passed (the loader then ends it), or returns false when the wait was given up (the
// window is closing); the load then ends with PictureLoadStopped. None blocks until one of these.
using DecoderWait = std::function<bool(QProcess& decoder, std::chrono::milliseconds deadline)>;
struct PictureLoadStopped : std::exception {
    const char* what() const noexcept override { return "the picture's load was given up"; }
};

// Decodes the file in the decoding program (its content decides the format, not its name) and
// returns it stretched to a `side` x `side` square, turned the way the file's orientation tag
// says. A file that cannot be read as a picture is a Failure whose description names the file and
// the reason. `side` is the square in device pixels: 400 at 1x, 800 at 2x, 600 at 1.5x. Only what
// is cheap and certain is judged before the decoder starts: a file that is no regular file.
QImage loadPuzzlePicture(const QString& path, int side = kPuzzlePictureSide,
                         const DecoderWait& wait = {});

// The same for a picture held in memory: a picture file's bytes, or the encoded image data a
// clipboard offers (image/png ...). `name` names it in reports; where it ends in ".dib", a
// header-less bitmap no format claims by content is read as one.
QImage loadPuzzlePictureData(const QByteArray& data, const QString& name,
                             int side = kPuzzlePictureSide, const DecoderWait& wait = {});

// A Failure "Cannot load the picture <name>: <reason>", the form of every refusal.
[[noreturn]] void refusePicture(const QString& name, const QString& reason);

// The MIME types of the picture formats the loader reads.
QStringList puzzlePictureMimeTypes();
