#pragma once

#include <memory>
#include <vector>

#include "board/clsTile.h"
#include "platform/Int16.h"
#include "platform/RandomSource.h"

// The puzzle: a grid of shared tile references, 4 by 4 in every game.
//
// Two index bases meet here on purpose: Tile() counts rows and columns from 1, addTile() and all
// cell numbers count from 0. Cell number k lies in row k div N and column k mod N.
class clsBoard {
public:
    using TileRef = std::shared_ptr<clsTile>;

    clsBoard();

    Int16 totalTiles() const;
    Int16 totalColumns() const;
    void setTotalColumns(Int16 columns);
    Int16 totalRows() const;
    void setTotalRows(Int16 rows);

    // 1-based; an empty cell gives a null reference.
    TileRef Tile(Int16 row, Int16 column) const;
    void setTile(Int16 row, Int16 column, TileRef tile);

    // Moves the tile of `source` into `target` if `target` holds the empty tile.
    bool swapTile(int target, Int16 source);
    // Exchanges two cells whatever they hold.
    void swapTile2(int first, Int16 second);

    // Scatters the tiles over the cells; the source is reseeded before every draw of a cell.
    void mixTiles(RandomSource& random);
    bool isImageFormed() const;

    // The tile in cell k, counted from 0 in reading order; a Failure for an empty or missing cell.
    const clsTile& tileInCell(int cell) const;

    // 0-based. A full board refuses the tile and answers false; the caller tells the player.
    [[nodiscard]] bool addTile(Int16 row, Int16 column, TileRef tile);
    void setBoardSize(Int16 rows, Int16 columns);

private:
    using Grid = std::vector<std::vector<TileRef>>;
    struct Position {
        int row;  // 0-based grid indices
        int column;
    };

    static Grid makeGrid(int rows, int columns);
    Position cellPosition(long long cellNumber) const;
    TileRef& cell(Position p);
    const TileRef& cell(Position p) const;
    static const clsTile& deref(const TileRef& tile);
    Position freeCellFor(const Grid& grid, RandomSource& random) const;

    Grid tiles_;
    Int16 lastColumn_ = 3;
    Int16 lastRow_ = 3;
    Int16 tileCount_ = 0;
};
