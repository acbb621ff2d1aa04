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
