// Any file the player picks in "Load Picture" reaches loadPuzzlePicture.

#include <QImageReader>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "fuzz/FuzzInput.h"
#include "game/PictureLoader.h"
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
    try {
        const QImage picture = loadPuzzlePicture(path);
        // Everything after loading cuts the picture into 100 x 100 cells and trusts its size.
        if (picture.width() != kPuzzlePictureSide || picture.height() != kPuzzlePictureSide) {
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
