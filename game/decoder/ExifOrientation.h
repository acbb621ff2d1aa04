#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QImageIOHandler>

// How the EXIF block of a PNG (its eXIf chunk) or a WebP file (its EXIF chunk) says the picture is
// to be turned for showing, in the terms of QImageReader::transformation(). None where the file
// carries no such block, or where the block or its orientation tag is damaged. `format` is the
// reader's name for the file's format; other formats give none (Qt's readers tell their own).
QImageIOHandler::Transformations containerOrientation(const QByteArray& format, QIODevice& inspect);

// The orientation tag of an EXIF block: a TIFF structure, optionally led by "Exif\0\0".
QImageIOHandler::Transformations exifOrientation(const QByteArray& exif);
