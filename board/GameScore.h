#pragma once

// What a finished game is scored on.
struct ScoreCounts {
    int moves = 0;
    int elapsedSeconds = 0;
    int tilesAtHome = 0;  // tiles in their own cell, the empty one included
    bool formed = false;  // the game ended with the picture whole again
};

// moves / seconds x 50, plus 100 for a formed picture, plus 30 per tile at home. A game shorter
// than one counted second is scored as one second.
double gameScore(const ScoreCounts& counts);
