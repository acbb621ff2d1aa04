#pragma once

#include <QImage>
#include <QString>

inline constexpr int kPuzzlePictureSide = 400;
// Pictures up to this many pixels load; a header that claims more is refused before decoding.
inline constexpr long long kMaxPicturePixels = 100'000'000;

// Reads the file (its content decides the format, not its name) and returns it stretched to
// 400 x 400, decoded at that size where the format allows. A file that cannot be read as a picture
// is a Failure whose description names the file and the reason.
QImage loadPuzzlePicture(const QString& path);
