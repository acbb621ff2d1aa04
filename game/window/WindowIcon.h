#pragma once

#include <QIcon>
#include <QImage>

// The game's icon, drawn in code: a small picture cut into a 4 x 4 board with one tile out.
QIcon tavloraIcon();

// One size of that drawing, `side` pixels square with a transparent background. It needs no
// running application, so the build draws the installed icon files with the same code.
QImage drawTavloraIcon(int side);
