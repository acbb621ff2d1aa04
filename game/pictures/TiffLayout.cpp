#include "game/pictures/TiffLayout.h"

#include <tiffio.h>

#include <algorithm>
#include <climits>
#include <cstdarg>
#include <cstdio>

#include "game/pictures/LibraryFunctions.h"

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

// libtiff, and what it brings along (WebP, LERC, JBIG, OpenMP ...), is loaded the first time a
// TIFF is inspected rather than at every start: most games never meet one. Qt's TIFF reader uses
// the same library, so it is loaded once either way.
struct LibTiff {
    decltype(&TIFFOpenOptionsAlloc) openOptionsAlloc = nullptr;
    decltype(&TIFFOpenOptionsFree) openOptionsFree = nullptr;
    decltype(&TIFFOpenOptionsSetErrorHandlerExtR) openOptionsSetErrorHandlerExtR = nullptr;
    decltype(&TIFFOpenOptionsSetWarningHandlerExtR) openOptionsSetWarningHandlerExtR = nullptr;
    decltype(&TIFFOpenOptionsSetMaxSingleMemAlloc) openOptionsSetMaxSingleMemAlloc = nullptr;
    decltype(&TIFFClientOpenExt) clientOpenExt = nullptr;
    decltype(&TIFFClose) close = nullptr;
    decltype(&TIFFGetField) getField = nullptr;
    decltype(&TIFFGetFieldDefaulted) getFieldDefaulted = nullptr;
    decltype(&TIFFIsTiled) isTiled = nullptr;
    decltype(&TIFFTileSize64) tileSize64 = nullptr;
    decltype(&TIFFStripSize64) stripSize64 = nullptr;
    decltype(&TIFFNumberOfTiles) numberOfTiles = nullptr;
    decltype(&TIFFNumberOfStrips) numberOfStrips = nullptr;
    decltype(&TIFFGetStrileByteCount) getStrileByteCount = nullptr;
    bool complete = false;
};

LibTiff resolveLibTiff() {
    LibTiff f;
    QLibrary library;
    if (!loadRuntimeLibrary(library, "libtiff", "tiff", 6)) {  // Debian 12's libtiff.so.6
        return f;
    }
    f.complete = resolveFunction(library, f.openOptionsAlloc, "TIFFOpenOptionsAlloc") &&
                 resolveFunction(library, f.openOptionsFree, "TIFFOpenOptionsFree") &&
                 resolveFunction(library, f.openOptionsSetErrorHandlerExtR,
                                 "TIFFOpenOptionsSetErrorHandlerExtR") &&
                 resolveFunction(library, f.openOptionsSetWarningHandlerExtR,
                                 "TIFFOpenOptionsSetWarningHandlerExtR") &&
                 resolveFunction(library, f.openOptionsSetMaxSingleMemAlloc,
                                 "TIFFOpenOptionsSetMaxSingleMemAlloc") &&
                 resolveFunction(library, f.clientOpenExt, "TIFFClientOpenExt") &&
                 resolveFunction(library, f.close, "TIFFClose") &&
                 resolveFunction(library, f.getField, "TIFFGetField") &&
                 resolveFunction(library, f.getFieldDefaulted, "TIFFGetFieldDefaulted") &&
                 resolveFunction(library, f.isTiled, "TIFFIsTiled") &&
                 resolveFunction(library, f.tileSize64, "TIFFTileSize64") &&
                 resolveFunction(library, f.stripSize64, "TIFFStripSize64") &&
                 resolveFunction(library, f.numberOfTiles, "TIFFNumberOfTiles") &&
                 resolveFunction(library, f.numberOfStrips, "TIFFNumberOfStrips") &&
                 resolveFunction(library, f.getStrileByteCount, "TIFFGetStrileByteCount");
    return f;  // the library stays loaded: QLibrary's destructor does not unload it
}

const LibTiff* libTiff() {
    static const LibTiff functions = resolveLibTiff();
    return functions.complete ? &functions : nullptr;
}

}  // namespace

std::optional<TiffLayout> tiffLayout(QIODevice& device) {
    const LibTiff* lib = libTiff();
    if (lib == nullptr) {
        return std::nullopt;
    }
    TIFFOpenOptions* options = lib->openOptionsAlloc();
    lib->openOptionsSetErrorHandlerExtR(options, quiet, nullptr);
    lib->openOptionsSetWarningHandlerExtR(options, quiet, nullptr);
    lib->openOptionsSetMaxSingleMemAlloc(options, kMaxDirectoryAllocation);
    TIFF* tiff = lib->clientOpenExt("picture", "rm", &device, readBytes, writeNothing, seekTo,
                                    closeNothing, sizeOf, mapNothing, unmapNothing, options);
    lib->openOptionsFree(options);
    if (tiff == nullptr) {
        return std::nullopt;
    }
    quint32 width = 0;
    quint32 height = 0;
    quint16 planes = PLANARCONFIG_CONTIG;
    quint16 samples = 1;
    lib->getField(tiff, TIFFTAG_IMAGEWIDTH, &width);
    lib->getField(tiff, TIFFTAG_IMAGELENGTH, &height);
    lib->getFieldDefaulted(tiff, TIFFTAG_PLANARCONFIG, &planes);
    lib->getFieldDefaulted(tiff, TIFFTAG_SAMPLESPERPIXEL, &samples);
    const bool tiled = lib->isTiled(tiff) != 0;
    const quint64 block = tiled ? lib->tileSize64(tiff) : lib->stripSize64(tiff);
    const quint32 blocks = tiled ? lib->numberOfTiles(tiff) : lib->numberOfStrips(tiff);
    quint64 stored = 0;
    for (quint32 index = 0; index < blocks; ++index) {
        stored = std::max<quint64>(stored, lib->getStrileByteCount(tiff, index));
    }
    lib->close(tiff);

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
