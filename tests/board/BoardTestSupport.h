#pragma once

#include <memory>
#include <vector>

#include "board/clsBoard.h"
#include "platform/SequenceRandom.h"

// A 4 by 4 board filled in the formed order, tile k in cell k, tile 15 the empty one.
struct FilledBoard {
    clsBoard board;
    std::vector<clsBoard::TileRef> tiles;

    FilledBoard() {
        board.setBoardSize(4, 4);
        for (int k = 0; k < 16; ++k) {
            tiles.push_back(std::make_shared<clsTile>(k, k == 15));
            (void)board.addTile(k / 4, k % 4, tiles.back());
        }
    }

    clsBoard::TileRef at(int cellNumber) const {
        return board.Tile(cellNumber / 4 + 1, cellNumber % 4 + 1);
    }
    int imageAt(int cellNumber) const { return at(cellNumber)->imageIndex().value(); }

    // Image index per cell, row-major.
    std::vector<int> layout() const {
        std::vector<int> result;
        for (int k = 0; k < 16; ++k) {
            result.push_back(imageAt(k));
        }
        return result;
    }

    // Puts the empty tile into `cellNumber` by exchanging it with whatever is there.
    void moveEmptyTo(int cellNumber) { board.swapTile2(cellNumber, 15); }
};
