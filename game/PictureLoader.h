#pragma once

#include <QImage>
#include <QString>

inline constexpr int kPuzzlePictureSide = 400;
// Pictures up to this many pixels load; a header that claims more is refused before decoding.
inline constexpr long long kMaxPicturePixels = 100'000'000;

// Reads the file (its content decides the format, not its name) and returns it stretched to a
// square of `side` device pixels (400 at a device pixel ratio of 1, 800 at 2), decoded at that
// size where the format allows. A file that cannot be read as a picture is a Failure whose
// description names the file and the reason.
QImage loadPuzzlePicture(const QString& path, int side = kPuzzlePictureSide);
// The same for a picture held in memory (a picture file's bytes, or the encoded picture a
// clipboard offers); `name` names it in reports.
QImage loadPuzzlePictureData(const QByteArray& data, const QString& name,
                             int side = kPuzzlePictureSide);
