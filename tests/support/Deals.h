#pragma once

#include <vector>

// Random draws that deal tile k into cells[k] of the 4 x 4 board, after the one draw of the
// start-up's home-page chance: each tile takes a row draw and a column draw, aimed at the middle
// of its cell.
inline std::vector<double> dealDraws(const std::vector<int>& cells) {
    std::vector<double> draws{0.5};
    for (int cell : cells) {
        draws.push_back((cell / 4 + 0.5) / 4);
        draws.push_back((cell % 4 + 0.5) / 4);
    }
    return draws;
}

// The deal most tests play: tiles 0 and 5 exchanged, every other tile at home (so in Slide the
// gap is in its own cell, and in Swap one exchange forms the picture). Indexed by cell, it says
// which tile lies there; by tile, where it lies: the exchange is its own inverse.
inline const std::vector<int> kTilesZeroAndFiveExchanged = {5, 1, 2,  3,  4,  0,  6,  7,
                                                            8, 9, 10, 11, 12, 13, 14, 15};

// The Slide deal most window tests play: the bottom row shifted one cell right, so the gap is in
// cell 12 and cells 13, 14 and 15 played in turn form the picture. Indexed by tile: its cell.
inline const std::vector<int> kBottomRowShifted = {0, 1, 2,  3,  4,  5,  6,  7,
                                                   8, 9, 10, 11, 13, 14, 15, 12};
