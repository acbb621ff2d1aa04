#pragma once

#include <QIODevice>
#include <QSize>
#include <QtGlobal>
#include <optional>

// What libjpeg will need to decode a JPEG for a square of `side` pixels, read from the headers
// before any of the picture is decoded.
struct JpegDemand {
    QSize size;  // the picture at full size
    // The decoder's largest holdings: every DCT coefficient of the whole picture where the picture
    // comes in several scans (progressive, or one scan per component), and the picture at the
    // reduced size it is decoded to.
    qint64 bytes = 0;
};

// Reads the headers from the device's current position, with libjpeg's own reader, so every marker
// is read the way the decoder reads it. Nothing when libjpeg cannot read them.
std::optional<JpegDemand> jpegDemand(QIODevice& device, int side);
