#include "game/pictures/JpegDemand.h"

// jpeglib.h needs the size_t and FILE it uses declared first.
#include <csetjmp>
#include <cstddef>
#include <cstdio>

#include <jpeglib.h>

#include <algorithm>
#include <climits>

#include "game/pictures/LibraryFunctions.h"

namespace {

constexpr std::size_t kChunkBytes = 4096;

// libjpeg is loaded the first time a JPEG is inspected, not at every start. Qt's JPEG reader uses
// the same library, so it is loaded once either way.
struct LibJpeg {
    decltype(&jpeg_std_error) stdError = nullptr;
    decltype(&jpeg_CreateDecompress) createDecompress = nullptr;
    decltype(&jpeg_destroy_decompress) destroyDecompress = nullptr;
    decltype(&jpeg_resync_to_restart) resyncToRestart = nullptr;
    decltype(&jpeg_read_header) readHeader = nullptr;
    decltype(&jpeg_calc_output_dimensions) calcOutputDimensions = nullptr;
    bool complete = false;
};

LibJpeg resolveLibJpeg() {
    LibJpeg f;
    QLibrary library;
    if (!loadRuntimeLibrary(library, "libjpeg-62", "jpeg", 62)) {
        return f;
    }
    f.complete = resolveFunction(library, f.stdError, "jpeg_std_error") &&
                 resolveFunction(library, f.createDecompress, "jpeg_CreateDecompress") &&
                 resolveFunction(library, f.destroyDecompress, "jpeg_destroy_decompress") &&
                 resolveFunction(library, f.resyncToRestart, "jpeg_resync_to_restart") &&
                 resolveFunction(library, f.readHeader, "jpeg_read_header") &&
                 resolveFunction(library, f.calcOutputDimensions, "jpeg_calc_output_dimensions");
    return f;  // the library stays loaded: QLibrary's destructor does not unload it
}

const LibJpeg* libJpeg() {
    static const LibJpeg functions = resolveLibJpeg();
    return functions.complete ? &functions : nullptr;
}

// libjpeg reads through this from the device, a chunk at a time.
struct DeviceSource {
    jpeg_source_mgr manager;
    QIODevice* device;
    JOCTET chunk[kChunkBytes];
};

DeviceSource* sourceOf(j_decompress_ptr info) {
    return reinterpret_cast<DeviceSource*>(info->src);
}

void startReading(j_decompress_ptr) {}
void stopReading(j_decompress_ptr) {}

// At the end of the data an end-of-picture marker stands in for the rest, as libjpeg's own readers
// do, so the headers of a cut file still give what they hold.
boolean fillChunk(j_decompress_ptr info) {
    DeviceSource* source = sourceOf(info);
    qint64 got = source->device->read(reinterpret_cast<char*>(source->chunk), kChunkBytes);
    if (got <= 0) {
        source->chunk[0] = 0xff;
        source->chunk[1] = JPEG_EOI;
        got = 2;
    }
    source->manager.next_input_byte = source->chunk;
    source->manager.bytes_in_buffer = static_cast<std::size_t>(got);
    return TRUE;
}

void skipBytes(j_decompress_ptr info, long count) {
    DeviceSource* source = sourceOf(info);
    if (count <= 0) {
        return;
    }
    const auto wanted = static_cast<std::size_t>(count);
    if (wanted <= source->manager.bytes_in_buffer) {
        source->manager.next_input_byte += wanted;
        source->manager.bytes_in_buffer -= wanted;
        return;
    }
    // A long skip moves the device instead of reading through what it skips.
    const qint64 beyond = static_cast<qint64>(wanted - source->manager.bytes_in_buffer);
    source->device->seek(std::min(source->device->pos() + beyond, source->device->size()));
    source->manager.bytes_in_buffer = 0;
}

struct ErrorJump {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

[[noreturn]] void jumpOut(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorJump*>(info->err)->jump, 1);
}

void ignoreMessage(j_common_ptr, int) {}
void ignoreOutput(j_common_ptr) {}

qint64 roundUp(JDIMENSION value, int multiple) {
    const qint64 step = std::max(multiple, 1);
    return (static_cast<qint64>(value) + step - 1) / step * step;
}

// Only plain C data lives in this frame, so leaving it by longjmp skips no destructor.
bool readDemand(const LibJpeg& lib, QIODevice& device, int side, JpegDemand& demand) {
    jpeg_decompress_struct info{};
    ErrorJump errors{};
    DeviceSource source{};
    info.err = lib.stdError(&errors.manager);
    errors.manager.error_exit = jumpOut;
    errors.manager.emit_message = ignoreMessage;
    errors.manager.output_message = ignoreOutput;
    if (setjmp(errors.jump) != 0) {
        lib.destroyDecompress(&info);
        return false;
    }
    lib.createDecompress(&info, JPEG_LIB_VERSION, sizeof(info));
    source.device = &device;
    source.manager.init_source = startReading;
    source.manager.fill_input_buffer = fillChunk;
    source.manager.skip_input_data = skipBytes;
    source.manager.resync_to_restart = lib.resyncToRestart;
    source.manager.term_source = stopReading;
    info.src = &source.manager;
    if (lib.readHeader(&info, TRUE) != JPEG_HEADER_OK) {
        lib.destroyDecompress(&info);
        return false;
    }

    // A picture in several scans is held whole as coefficients, 64 of 2 bytes per 8 x 8 block of
    // each component, until its last scan has arrived; its reduced size does not shrink them.
    qint64 bytes = 0;
    if (info.progressive_mode || info.comps_in_scan < info.num_components) {
        for (int component = 0; component < info.num_components; ++component) {
            const jpeg_component_info& c = info.comp_info[component];
            bytes += roundUp(c.width_in_blocks, c.h_samp_factor) *
                     roundUp(c.height_in_blocks, c.v_samp_factor) * DCTSIZE2 *
                     static_cast<qint64>(sizeof(JCOEF));
        }
    }
    // Qt's reader asks libjpeg for the largest reduction (1/2 to 1/8) that stays at least as large
    // as the square, decodes at 4 bytes a pixel and then scales to the square.
    const double ratio = std::min(static_cast<double>(info.image_width) / side,
                                  static_cast<double>(info.image_height) / side);
    info.scale_num = 1;
    info.scale_denom = static_cast<unsigned int>(std::clamp(static_cast<int>(ratio), 1, 8));
    lib.calcOutputDimensions(&info);
    bytes += static_cast<qint64>(info.output_width) * info.output_height * 4;
    bytes += static_cast<qint64>(side) * side * 4;

    demand.size = QSize(static_cast<int>(std::min<JDIMENSION>(info.image_width, INT_MAX)),
                        static_cast<int>(std::min<JDIMENSION>(info.image_height, INT_MAX)));
    demand.bytes = bytes;
    lib.destroyDecompress(&info);
    return true;
}

}  // namespace

std::optional<JpegDemand> jpegDemand(QIODevice& device, int side) {
    const LibJpeg* lib = libJpeg();
    JpegDemand demand;
    if (lib == nullptr || !readDemand(*lib, device, side, demand)) {
        return std::nullopt;
    }
    return demand;
}
