#include "board/clsBoard.h"

#include <cmath>
#include <utility>

#include "platform/Failure.h"

clsBoard::clsBoard() : tiles_(makeGrid(4, 4)) {}

clsBoard::Grid clsBoard::makeGrid(int rows, int columns) {
    return Grid(static_cast<std::size_t>(rows),
                std::vector<TileRef>(static_cast<std::size_t>(columns)));
}

Int16 clsBoard::totalTiles() const {
    return (lastRow_ + 1) * (lastColumn_ + 1);
}
Int16 clsBoard::totalColumns() const {
    return lastColumn_ + 1;
}
void clsBoard::setTotalColumns(Int16 columns) {
    lastColumn_ = columns - 1;
}
Int16 clsBoard::totalRows() const {
    return lastRow_ + 1;
}
void clsBoard::setTotalRows(Int16 rows) {
    lastRow_ = rows - 1;
}

clsBoard::TileRef& clsBoard::cell(Position p) {
    return const_cast<TileRef&>(std::as_const(*this).cell(p));
}

const clsBoard::TileRef& clsBoard::cell(Position p) const {
    if (p.row < 0 || p.row >= static_cast<int>(tiles_.size()) || p.column < 0 ||
        p.column >= static_cast<int>(tiles_[0].size())) {
        throw Failure(failures::kSubscriptOutOfRange);
    }
    return tiles_[static_cast<std::size_t>(p.row)][static_cast<std::size_t>(p.column)];
}

const clsTile& clsBoard::deref(const TileRef& tile) {
    if (!tile) {
        throw Failure(failures::kObjectNotSet);
    }
    return *tile;
}

clsBoard::TileRef clsBoard::Tile(Int16 row, Int16 column) const {
    return cell({(row - 1).value(), (column - 1).value()});
}

void clsBoard::setTile(Int16 row, Int16 column, TileRef tile) {
    cell({(row - 1).value(), (column - 1).value()}) = std::move(tile);
}

bool clsBoard::addTile(Int16 row, Int16 column, TileRef tile) {
    if (tileCount_ >= totalTiles()) {
        return false;
    }
    cell({row.value(), column.value()}) = std::move(tile);
    ++tileCount_;
    return true;
}

void clsBoard::setBoardSize(Int16 rows, Int16 columns) {
    const Int16 lastColumn = columns - 1;
    const Int16 lastRow = rows - 1;
    // A grid needs at least one cell each way; anything less is an impossible index range.
    if (lastRow < 0 || lastColumn < 0) {
        throw Failure(failures::kSubscriptOutOfRange);
    }
    lastColumn_ = lastColumn;
    lastRow_ = lastRow;
    tiles_ = makeGrid(rows.value(), columns.value());
    tileCount_ = 0;
}

clsBoard::Position clsBoard::cellPosition(long long cellNumber) const {
    // Repeated subtraction by the row count, so cells past a row's end wrap into the next row.
    const long long side = totalRows().value();
    if (side < 1) {
        throw Failure(failures::kSubscriptOutOfRange);
    }
    long long v = cellNumber + 1;
    long long row = 1;
    while (v > side) {
        v -= side;
        ++row;
    }
    // Anything beyond int lies far outside the grid anyway.
    if (row > Int16::kMax || v < Int16::kMin) {
        throw Failure(failures::kSubscriptOutOfRange);
    }
    return {static_cast<int>(row) - 1, static_cast<int>(v) - 1};
}

bool clsBoard::swapTile(int target, Int16 source) {
    if (target < 0 || target >= totalTiles().value()) {
        return false;
    }
    const Position to = cellPosition(target);
    const Position from = cellPosition(source.value());
    if (!deref(cell(to)).isEmpty()) {
        return false;
    }
    TileRef& fromCell = cell(from);  // resolved before anything moves
    std::swap(cell(to), fromCell);
    return true;
}

void clsBoard::swapTile2(int first, Int16 second) {
    TileRef& a = cell(cellPosition(first));
    TileRef& b = cell(cellPosition(second.value()));
    std::swap(a, b);
}

clsBoard::Position clsBoard::freeCellFor(const Grid& grid, RandomSource& random) const {
    const double rows = totalRows().value();
    const double columns = totalColumns().value();
    for (;;) {
        random.reseedFromTimeOfDay();
        const int y = static_cast<int>(std::floor(random.nextUniform() * rows));
        const int x = static_cast<int>(std::floor(random.nextUniform() * columns));
        const TileRef& candidate = grid[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
        if (deref(candidate).imageIndex() == -1) {
            return {y, x};
        }
    }
}

void clsBoard::mixTiles(RandomSource& random) {
    const int rows = totalRows().value();
    const int columns = totalColumns().value();
    Grid mixed = makeGrid(rows, columns);
    for (auto& row : mixed) {
        for (auto& slot : row) {
            slot = std::make_shared<clsTile>(-1, true);  // a free cell until a tile lands on it
        }
    }
    for (int i = 0; i < rows; ++i) {
        for (int j = 0; j < columns; ++j) {
            const TileRef& tile = cell({i, j});
            const Position p = freeCellFor(mixed, random);
            mixed[static_cast<std::size_t>(p.row)][static_cast<std::size_t>(p.column)] = tile;
        }
    }
    tiles_ = std::move(mixed);
}

bool clsBoard::isImageFormed() const {
    const int total = totalTiles().value();
    for (int k = 0; k < total; ++k) {
        if (tileInCell(k).imageIndex() != k) {
            return false;
        }
    }
    return true;
}

const clsTile& clsBoard::tileInCell(int cellNumber) const {
    // Cells run along the rows of the board's own width, as the board view lays them out.
    const int columns = totalColumns().value();
    if (cellNumber < 0 || columns < 1) {
        throw Failure(failures::kSubscriptOutOfRange);
    }
    return deref(cell({cellNumber / columns, cellNumber % columns}));
}
