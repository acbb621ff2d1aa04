// HAND-M.CUR in the program folder reaches loadCursorFile, which reads the hotspot itself.

#include <QPixmap>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "fuzz/FuzzInput.h"
#include "platform/CursorFile.h"
#include "platform/Failure.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    startFuzzApplication(false);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static FuzzInputFile input(QStringLiteral("cursor"));
    const QString& path = input.write(data, size);
    try {
        const QCursor cursor = loadCursorFile(path);
        // The window system is handed the hotspot as a pixel of the picture.
        const QPixmap pixmap = cursor.pixmap();
        if (pixmap.isNull() || !pixmap.rect().contains(cursor.hotSpot())) {
            std::fprintf(stderr, "hotspot %d,%d outside a %d x %d cursor\n", cursor.hotSpot().x(),
                         cursor.hotSpot().y(), pixmap.width(), pixmap.height());
            std::abort();
        }
        // Which cursors were told apart: image sizes, hotspots on the far edge, transparency.
        const bool onRightEdge = cursor.hotSpot().x() == pixmap.width() - 1;
        const bool onBottomEdge = cursor.hotSpot().y() == pixmap.height() - 1;
        noteOutcome(u"loaded",
                    QStringLiteral("%1%2 %3 %4 %5")
                        .arg(sizeClass(pixmap.width()), sizeClass(pixmap.height()),
                             onRightEdge ? "right" : "inside", onBottomEdge ? "bottom" : "inside",
                             pixmap.hasAlphaChannel() ? "alpha" : "opaque"));
    } catch (const Failure& failure) {
        // Refusing a file is what the loader is for.
        noteRefusal(u"refused", failure.description(), path);
    }
    return 0;
}
