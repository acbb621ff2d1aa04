#pragma once

#include <QIODevice>
#include <QSize>
#include <QtGlobal>
#include <optional>

// How the first picture of a TIFF file is laid out, as libtiff reads it from the file's directory.
struct TiffLayout {
    QSize size;
    // The largest block libtiff decodes at once: a strip of rows or a tile, for every sample plane
    // when the planes are stored apart. Qt's reader holds one besides the picture for most kinds
    // of TIFF.
    qint64 blockBytes = 0;
    // The largest strip or tile as stored, which libtiff reads whole before decoding it.
    qint64 storedBlockBytes = 0;
};

// Reads the directory through the device, with libtiff's own reader and its messages kept quiet.
// Nothing when libtiff cannot read it.
std::optional<TiffLayout> tiffLayout(QIODevice& device);
