#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QImage>
#include <QSize>
#include <QtGlobal>

class QImageReader;

// What decoding a picture takes, worked out from its headers before any of it is decoded.
struct PictureDemand {
    // The picture the decoder builds: a GIF's whole canvas, a bitmap whose rows run top down the
    // right way up. Empty when the headers cannot be read.
    QSize size;
    // The most memory the decoder holds at once while building it.
    qint64 bytes = 0;
    // The decoder may leave pixels unwritten (a run-length bitmap may skip them), so it decodes
    // into a picture of this format filled beforehand; Format_Invalid when it writes them all.
    QImage::Format fillFormat = QImage::Format_Invalid;
    // The decoder makes the square itself while it decodes, holding no picture at full size, and
    // is to be asked for it (QImageReader::setScaledSize).
    bool decodesToSquare = false;
};

// `format` is the reader's name for it. `inspect` is a second device over the same bytes as the
// reader's own, so that reading headers here never moves the reader. `side` is the square's side,
// which sets how far a JPEG is reduced while it decodes. The reader is asked for its header only
// for the formats whose header reading allocates nothing beyond what the picture claims.
PictureDemand pictureDemand(const QByteArray& format, QIODevice& inspect, QImageReader& reader,
                            int side);
