#include "game/pictures/TiffLayout.h"

#include <tiffio.h>

#include <algorithm>
#include <climits>
#include <cstdarg>
#include <cstdio>

namespace {

// libtiff may allocate this much at once for the directory itself; a real one needs far less.
constexpr tmsize_t kMaxDirectoryAllocation = 16 * 1024 * 1024;

QIODevice* deviceOf(thandle_t handle) {
    return static_cast<QIODevice*>(handle);
}

tmsize_t readBytes(thandle_t handle, void* data, tmsize_t size) {
    return static_cast<tmsize_t>(deviceOf(handle)->read(static_cast<char*>(data), size));
}

tmsize_t writeNothing(thandle_t, void*, tmsize_t) {
    return 0;
}

toff_t seekTo(thandle_t handle, toff_t offset, int whence) {
    QIODevice* device = deviceOf(handle);
    qint64 base = 0;
    if (whence == SEEK_CUR) {
        base = device->pos();
    } else if (whence == SEEK_END) {
        base = device->size();
    }
    if (offset > static_cast<toff_t>(LLONG_MAX - base)) {
        return static_cast<toff_t>(-1);
    }
    const qint64 target = base + static_cast<qint64>(offset);
    if (!device->seek(target)) {
        return static_cast<toff_t>(-1);
    }
    return static_cast<toff_t>(target);
}

int closeNothing(thandle_t) {
    return 0;
}

toff_t sizeOf(thandle_t handle) {
    return static_cast<toff_t>(deviceOf(handle)->size());
}

int mapNothing(thandle_t, void**, toff_t*) {
    return 0;
}

void unmapNothing(thandle_t, void*, toff_t) {}

int quiet(TIFF*, void*, const char*, const char*, va_list) {
    return 1;
}

}  // namespace

std::optional<TiffLayout> tiffLayout(QIODevice& device) {
    TIFFOpenOptions* options = TIFFOpenOptionsAlloc();
    TIFFOpenOptionsSetErrorHandlerExtR(options, quiet, nullptr);
    TIFFOpenOptionsSetWarningHandlerExtR(options, quiet, nullptr);
    TIFFOpenOptionsSetMaxSingleMemAlloc(options, kMaxDirectoryAllocation);
    TIFF* tiff = TIFFClientOpenExt("picture", "rm", &device, readBytes, writeNothing, seekTo,
                                   closeNothing, sizeOf, mapNothing, unmapNothing, options);
    TIFFOpenOptionsFree(options);
    if (tiff == nullptr) {
        return std::nullopt;
    }
    quint32 width = 0;
    quint32 height = 0;
    quint16 planes = PLANARCONFIG_CONTIG;
    quint16 samples = 1;
    TIFFGetField(tiff, TIFFTAG_IMAGEWIDTH, &width);
    TIFFGetField(tiff, TIFFTAG_IMAGELENGTH, &height);
    TIFFGetFieldDefaulted(tiff, TIFFTAG_PLANARCONFIG, &planes);
    TIFFGetFieldDefaulted(tiff, TIFFTAG_SAMPLESPERPIXEL, &samples);
    const bool tiled = TIFFIsTiled(tiff) != 0;
    const quint64 block = tiled ? TIFFTileSize64(tiff) : TIFFStripSize64(tiff);
    const quint32 blocks = tiled ? TIFFNumberOfTiles(tiff) : TIFFNumberOfStrips(tiff);
    quint64 stored = 0;
    for (quint32 index = 0; index < blocks; ++index) {
        stored = std::max<quint64>(stored, TIFFGetStrileByteCount(tiff, index));
    }
    TIFFClose(tiff);

    TiffLayout layout;
    layout.size = QSize(static_cast<int>(std::min<quint32>(width, INT_MAX)),
                        static_cast<int>(std::min<quint32>(height, INT_MAX)));
    const quint64 planeCount = planes == PLANARCONFIG_SEPARATE ? std::max<quint16>(samples, 1) : 1;
    // libtiff's sizes stop at what its own arithmetic holds; bounded here so that the sums made of
    // them cannot overflow either.
    constexpr quint64 kLargestCountedBlock = quint64{1} << 40;
    layout.blockBytes =
        static_cast<qint64>(std::min<quint64>(block, kLargestCountedBlock) * planeCount);
    layout.storedBlockBytes = static_cast<qint64>(
        std::min<quint64>(stored, static_cast<quint64>(std::max<qint64>(device.size(), 0))));
    return layout;
}
