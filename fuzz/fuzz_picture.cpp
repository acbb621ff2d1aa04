// Any file the player picks in "Load Picture", and picture data from the clipboard, reach the
// decoding program (tavlora-decode) as a request; this target calls the program's own entry point
// with that request, in-process, as the program does with the one it reads. Inputs of odd length
// go as bytes held in memory, for the square of a 2x screen; the others as a file.

#include <QBuffer>
#include <QImageReader>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "fuzz/FuzzInput.h"
#include "game/decoder/PictureDecoding.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    startFuzzApplication(false);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static FuzzInputFile input(QStringLiteral("picture"));
    const QString& path = input.write(data, size);
    {
        QImageReader probe(path);
        probe.setDecideFormatFromContent(true);
        const QSize claimed = probe.size();
        noteOutcome(u"format", QString::fromLatin1(probe.format()));
        const QChar sizeClasses[] = {sizeClass(claimed.width()), sizeClass(claimed.height())};
        noteOutcome(u"claimed", QStringView(sizeClasses, 2));
    }
    const bool fromMemory = size % 2 == 1;
    DecodeRequest request;
    request.side = fromMemory ? 2 * kPuzzlePictureSide : kPuzzlePictureSide;
    request.name = path;
    if (fromMemory) {
        request.bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data),
                                                static_cast<qsizetype>(size));
    } else {
        request.path = path;
    }
    QBuffer requestBytes;
    requestBytes.setData(encodeRequest(request));
    requestBytes.open(QIODevice::ReadOnly);
    QBuffer output;
    output.open(QIODevice::WriteOnly);
    runDecoder(requestBytes, output);
    const DecodeReply reply = readReply(output.data());
    // The game trusts a finished reply's square: everything after loading cuts it into cells.
    if (!reply.finished) {
        std::fprintf(stderr, "the decoder wrote no whole reply\n");
        std::abort();
    }
    if (reply.refusal) {
        // Refusing a file is what the decoder is for.
        noteOutcome(u"refused", QString::number(static_cast<int>(*reply.refusal)) + reply.text);
    } else if (reply.side != request.side) {
        std::fprintf(stderr, "decoded a square of %d for %d\n", reply.side, request.side);
        std::abort();
    } else {
        noteOutcome(u"loaded", reply.hasAlpha ? u"alpha" : u"opaque");
    }
    return 0;
}
