#pragma once

#include <QString>

class PuzzleGame;
class QAccessibleInterface;
class QObject;

// What a screen reader says of cell k, counted in reading order: "Row 1, column 1: piece 7" (the
// piece of the picture the tile shows, also counted in reading order), ", chosen" for Swap's chosen
// tile, "Row 2, column 2: the gap" for the gap in Slide.
QString cellName(const PuzzleGame& game, int cell);
// "belongs in row 2, column 3", "in place" for a tile in its own cell, nothing for the gap.
QString cellDescription(const PuzzleGame& game, int cell);

// Gives the board area (BoardArea) an accessible interface whose children are its 16 cells;
// installed once with QAccessible::installFactory.
QAccessibleInterface* boardAccessibleFactory(const QString& className, QObject* object);
