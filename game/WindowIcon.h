#pragma once

#include <QIcon>

// The game's icon, drawn in code: a small picture cut into a 4 x 4 board with one tile out.
QIcon tavloraIcon();
