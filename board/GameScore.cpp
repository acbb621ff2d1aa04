#include "board/GameScore.h"

double gameScore(const ScoreCounts& counts) {
    // A picture can be formed, or a game ended, before the clock counts its first second; that
    // game is scored as one second long rather than failing on the division.
    const int seconds = counts.elapsedSeconds == 0 ? 1 : counts.elapsedSeconds;
    double score = static_cast<double>(counts.moves) / seconds * 50;
    if (counts.formed) {
        score += 100;
    }
    // The bonus is added one tile at a time so the sum rounds the same way in every game.
    for (int k = 0; k < counts.tilesAtHome; ++k) {
        score += 30;
    }
    return score;
}
