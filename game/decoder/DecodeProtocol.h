#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <QStringList>
#include <optional>

// What the game and its decoding program (tavlora-decode) say to each other. The game writes one
// request on the program's standard input once it has put the program under its limits; the
// program answers on its standard output with the size the picture's header states, as soon as
// it knows it, and then one outcome: the finished square's pixels or a refusal. Refusals carry
// codes and numbers, never sentences: the game words and translates every report.

inline constexpr int kPuzzlePictureSide = 400;
// Pictures up to this many pixels load; a header that claims more is refused before decoding.
inline constexpr long long kMaxPicturePixels = 100'000'000;
// The largest square a picture is made into; a 4K screen at 2.5x asks for 1000.
inline constexpr int kMaxPuzzlePictureSide = 2000;

struct DecodeRequest {
    int side = kPuzzlePictureSide;
    // The picture's name: where a name ends in ".dib", a header-less bitmap no format claims by
    // content is read as one.
    QString name;
    // Either a file to read, or the picture's bytes when `path` is empty.
    QString path;
    // A file read again: the digest of the content it had when it was read before. A file whose
    // content differs now is refused as Changed, without decoding it.
    QByteArray expectedDigest;
    QByteArray bytes;
};

enum class DecodeRefusal : qint32 {
    Damaged = 1,      // not a picture, or one cut short or broken
    TooLarge = 2,     // above the pixels the game takes, or more than the limits allow to decode
    Unsupported = 3,  // a format the game does not read; `text` is the reader's name for it
    DeviceError = 4,  // the file could not be read; `text` is the system's reason
    FileRefused = 5,  // not a regular file, missing, unreadable; `code` is a FileRefusal
    BadRequest = 6,   // the request could not be read or asked for an impossible square
    Changed = 7,      // the file no longer holds the content the request expects
};

struct DecodeReply {
    // The size the picture's header states; empty when it was never read.
    int statedWidth = 0;
    int statedHeight = 0;
    bool finished = false;  // an outcome arrived
    // The outcome: a picture (`pixels` is side x side, 4 bytes each), or a refusal.
    std::optional<DecodeRefusal> refusal;
    qint32 code = 0;
    QString text;
    bool hasAlpha = false;
    int side = 0;
    QByteArray pixels;
    // A file's picture: the digest of the file's whole content, read after it was decoded.
    QByteArray digest;
};

// The digest the decoder reports of a file's content; empty when the file cannot be read.
QByteArray contentDigest(QIODevice& content);

QByteArray encodeRequest(const DecodeRequest& request);
// Reads a request; none when the bytes do not hold one.
std::optional<DecodeRequest> decodeRequest(QIODevice& input);

// The parts of a reply, as the program writes them.
QByteArray encodeStatedSize(int width, int height);
QByteArray encodePicture(bool hasAlpha, int side, const QByteArray& pixels);
QByteArray encodeDigest(const QByteArray& digest);
QByteArray encodeRefusal(DecodeRefusal refusal, qint32 code = 0, const QString& text = {});

// Everything a program wrote, read back; whatever is cut short or malformed after the last whole
// part leaves the reply unfinished.
DecodeReply readReply(const QByteArray& output);

// The picture formats the game reads, as QImageReader names them, and their MIME types. Others
// Qt may read through plugins (TGA, MNG, ICNS, WBMP) are left out: some claim files by very
// little of their content.
bool isReadFormat(const QByteArray& format);
QStringList readMimeTypes();
