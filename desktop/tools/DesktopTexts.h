#pragma once

#include <QtGlobal>

// The English texts of the desktop entry and the AppStream metadata, as the templates in desktop/
// hold them (a paragraph with its line breaks and indents made single blanks), so the catalogues
// carry them. translate_desktop refuses a template text missing here.
inline constexpr const char* kDesktopTexts[] = {
    QT_TRANSLATE_NOOP("DesktopEntry", "Tavlora"),
    QT_TRANSLATE_NOOP("DesktopEntry", "Picture Puzzle"),
    QT_TRANSLATE_NOOP("DesktopEntry",
                      "Put a picture cut into sliding tiles back together against the clock"),
    QT_TRANSLATE_NOOP("DesktopEntry", "puzzle;sliding;fifteen;tiles;picture;photo;"),
    QT_TRANSLATE_NOOP("DesktopEntry", "Put a picture cut into sliding tiles back together"),
    QT_TRANSLATE_NOOP("DesktopEntry",
                      "Tavlora turns a picture into a puzzle. Choose one of your own photos or one "
                      "of the pictures that come with the game: it is stretched to a square and "
                      "cut into a board of four by four tiles, which are then shuffled. Put the "
                      "picture back together while the clock runs."),
    QT_TRANSLATE_NOOP("DesktopEntry", "Two kinds of game:"),
    QT_TRANSLATE_NOOP("DesktopEntry",
                      "Slide: one tile is taken out, and a tile next to the empty cell slides into "
                      "it."),
    QT_TRANSLATE_NOOP("DesktopEntry",
                      "Swap: all sixteen tiles stay on the board, and any two of them change "
                      "places."),
    QT_TRANSLATE_NOOP("DesktopEntry",
                      "Fewer moves in less time give a better score, and every tile already in its "
                      "own cell adds to it. The best scores of each kind of game are kept with the "
                      "names of their players."),
    QT_TRANSLATE_NOOP("DesktopEntry", "A Slide game in progress"),
    QT_TRANSLATE_NOOP("DesktopEntry", "The window at start"),
};

// The Windows installer's own texts (its pages speak NSIS's languages): the uninstaller's question,
// a game still running, a folder the user cannot write.
inline constexpr const char* kInstallerTexts[] = {
    QT_TRANSLATE_NOOP("Installer", "Also remove your high scores (hiscore.mdb) and your settings?"),
    QT_TRANSLATE_NOOP("Installer",
                      "Tavlora is running from this folder. Close the game, then choose Retry."),
    QT_TRANSLATE_NOOP("Installer", "You cannot write to this folder. Choose a folder of your own."),
};
