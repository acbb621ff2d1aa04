// Any file the player picks in "Load Picture" reaches loadPuzzlePicture, and picture data from the
// clipboard or a drop reaches loadPuzzlePictureData. Inputs of odd length take the second way,
// for the square of a 2x screen.

#include <QImageReader>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "fuzz/FuzzInput.h"
#include "game/pictures/PictureLoader.h"
#include "platform/Failure.h"

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
    const int side = fromMemory ? 2 * kPuzzlePictureSide : kPuzzlePictureSide;
    try {
        const QImage picture =
            fromMemory
                ? loadPuzzlePictureData(QByteArray::fromRawData(reinterpret_cast<const char*>(data),
                                                                static_cast<qsizetype>(size)),
                                        path, side)
                : loadPuzzlePicture(path, side);
        // Everything after loading cuts the picture into cells and trusts its size.
        if (picture.width() != side || picture.height() != side) {
            std::fprintf(stderr, "loaded a %d x %d picture\n", picture.width(), picture.height());
            std::abort();
        }
        noteOutcome(u"loaded", picture.hasAlphaChannel() ? u"alpha" : u"opaque");
    } catch (const Failure& failure) {
        // Refusing a file is what the loader is for.
        noteRefusal(u"refused", failure.description(), path);
    }
    return 0;
}
