#pragma once

// Installs the accessible faces of the game's own widgets (the board and its cells, the value
// boxes, the readers' notice) with Qt, once for the whole program, before any of them is made.
void installAccessibleFactories();
