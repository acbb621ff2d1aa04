#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

inline constexpr int kPuzzlePictureSide = 400;
// Pictures up to this many pixels load; a header that claims more is refused before decoding.
inline constexpr long long kMaxPicturePixels = 100'000'000;
// The most memory decoding one picture may take, whatever its format and however it is stored:
// the largest picture at 4 bytes a pixel, and a little for the decoder's own working space. A
// picture whose headers say its decoder would need more is refused before decoding.
inline constexpr long long kMaxDecodeBytes = kMaxPicturePixels * 4 + 8 * 1024 * 1024;
// The largest square a picture is made into; a 4K screen at 2.5x asks for 1000.
inline constexpr int kMaxPuzzlePictureSide = 2000;

// Reads the file (its content decides the format, not its name) and returns it stretched to a
// `side` x `side` square, turned the way the file's orientation tag says, decoded at a reduced size
// where the format allows (a 24-megapixel JPEG decodes at 1/8 for 400 and at 1/4 for 800). A file
// that cannot be read as a picture is a Failure whose description names the file and the reason.
// `side` is the square in device pixels: 400 at 1x, 800 at 2x, 600 at 1.5x.
QImage loadPuzzlePicture(const QString& path, int side = kPuzzlePictureSide);

// The same checks, limits, orientation and reports for a picture held in memory: a picture file's
// bytes, or the encoded image data a clipboard offers (image/png ...). `name` names it in reports;
// where it ends in ".dib", a header-less bitmap no format claims by content is read as one.
QImage loadPuzzlePictureData(const QByteArray& data, const QString& name,
                             int side = kPuzzlePictureSide);

// A Failure "Cannot load the picture <name>: <reason>", the form of every refusal.
[[noreturn]] void refusePicture(const QString& name, const QString& reason);

// The MIME types of the picture formats the loader reads.
QStringList puzzlePictureMimeTypes();
