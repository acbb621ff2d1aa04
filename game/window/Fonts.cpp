#include "game/window/Fonts.h"

#include <QFont>
#include <QStringList>

void substituteMissingFonts() {
#ifdef Q_OS_WIN
    // Windows has "MS Sans Serif" and Arial themselves. Where a trimmed system lacks the old face,
    // its own successors stand in, never a Linux family.
    QFont::insertSubstitutions("MS Sans Serif", {"Microsoft Sans Serif", "Tahoma", "Segoe UI"});
#else
    // DejaVu Sans first: it is what a Debian desktop gives "MS Sans Serif" and "Sans Serif", and
    // what the README's pictures show. Liberation Sans (installed with the game's packages) and the
    // other Arial look-alikes follow for machines without it.
    const QStringList sansSerif = {"DejaVu Sans", "Liberation Sans", "Arimo", "Nimbus Sans",
                                   "FreeSans"};
    QFont::insertSubstitutions("MS Sans Serif", sansSerif);
    QFont::insertSubstitutions("Sans Serif", sansSerif);
    // Arial's metric twins come before anything else, so the buttons' captions keep their widths.
    QFont::insertSubstitutions(
        "Arial", {"Liberation Sans", "Arimo", "Nimbus Sans", "DejaVu Sans", "FreeSans"});
#endif
}
