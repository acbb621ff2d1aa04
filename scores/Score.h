#pragma once

#include <string>

#include "board/clsBoard.h"
#include "platform/Int16.h"

// moves / seconds x 50, plus 100 for a formed picture, plus 30 per tile in its home cell. A game
// shorter than one counted second is scored as one second.
double gameScore(double moves, Int16 elapsedSeconds, const clsBoard& board, bool formedBonus);

// The score as stored and listed: at most 15 significant digits, '.' as the separator, no trailing
// zeros, no point for a whole number ("513.916083916084", "0", "605").
std::string scoreText(double score);
// The value scoreText writes, read back: what the table stores and compares against.
double storedScore(double score);
// The score as the window shows it: two decimals ("513.92").
std::string scoreDisplay(double score);
