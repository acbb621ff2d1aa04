#include "game/decoder/PictureShrink.h"

#include <QTransform>
#include <algorithm>
#include <cstring>
#include <vector>

namespace {

// The most pixels one tile of the source may have; converted it takes 4 bytes each.
constexpr qint64 kTilePixels = 1 << 20;

// How one axis of the source is cut: output pixels [outStart, outEnd) come from source pixels
// [sourceStart, sourceEnd). An axis that is enlarged, or not reduced, stays in one piece.
struct Band {
    int outStart;
    int outEnd;
    int sourceStart;
    int sourceEnd;
};

std::vector<Band> bands(int source, int out, int outPerBand) {
    if (source <= out) {
        return {{0, out, 0, source}};
    }
    std::vector<Band> result;
    for (int start = 0; start < out; start += outPerBand) {
        const int end = std::min(out, start + outPerBand);
        result.push_back({start, end, static_cast<int>(qint64{start} * source / out),
                          static_cast<int>(qint64{end} * source / out)});
    }
    return result;
}

// The largest source tile that bands of `outPerBand` output pixels give on one axis.
qint64 sourcePerBand(int source, int out, int outPerBand) {
    return source <= out ? source : (qint64{outPerBand} * source + out - 1) / out;
}

}  // namespace

QImage squarePicture(QImage decoded, int side) {
    const QImage::Format target =
        decoded.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
    const QSize square(side, side);
    const qint64 pixels = qint64{decoded.width()} * decoded.height();
    if (decoded.format() == target || pixels <= kTilePixels) {
        // Scaling a picture in the target format needs no copy of it, only the result.
        QImage converted = std::move(decoded).convertToFormat(target);
        return converted.size() == square
                   ? converted
                   : converted.scaled(square, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }

    // Bands of the output on each axis, halved on the wider source side until a tile fits.
    int outPerColumn = side;
    int outPerRow = side;
    while (sourcePerBand(decoded.width(), side, outPerColumn) *
                   sourcePerBand(decoded.height(), side, outPerRow) >
               kTilePixels &&
           (outPerColumn > 1 || outPerRow > 1)) {
        const qint64 across = sourcePerBand(decoded.width(), side, outPerColumn);
        const qint64 down = sourcePerBand(decoded.height(), side, outPerRow);
        if ((across >= down && outPerColumn > 1) || outPerRow == 1) {
            outPerColumn = (outPerColumn + 1) / 2;
        } else {
            outPerRow = (outPerRow + 1) / 2;
        }
    }

    QImage square32(square, target);
    for (const Band& row : bands(decoded.height(), side, outPerRow)) {
        for (const Band& column : bands(decoded.width(), side, outPerColumn)) {
            const QRect from(column.sourceStart, row.sourceStart,
                             column.sourceEnd - column.sourceStart,
                             row.sourceEnd - row.sourceStart);
            const QSize to(column.outEnd - column.outStart, row.outEnd - row.outStart);
            const QImage tile = decoded.copy(from).convertToFormat(target).scaled(
                to, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            for (int y = 0; y < to.height(); ++y) {
                std::memcpy(square32.scanLine(row.outStart + y) + column.outStart * 4,
                            tile.constScanLine(y), static_cast<std::size_t>(to.width()) * 4);
            }
        }
    }
    return square32;
}

QImage orientedPicture(const QImage& picture, QImageIOHandler::Transformations orientation) {
    QImage result = picture.mirrored(orientation.testFlag(QImageIOHandler::TransformationMirror),
                                     orientation.testFlag(QImageIOHandler::TransformationFlip));
    if (orientation.testFlag(QImageIOHandler::TransformationRotate90)) {
        result = result.transformed(QTransform().rotate(90));
    }
    return result;
}
