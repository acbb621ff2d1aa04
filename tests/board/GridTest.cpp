#include <gtest/gtest.h>

#include "platform/Failure.h"
#include "tests/board/BoardTestSupport.h"

namespace {

std::string failureOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const Failure& f) {
        return f.description();
    }
    return "(no failure)";
}

TEST(Grid, NewBoardIsFourByFourWithEmptyCells) {
    clsBoard board;
    EXPECT_EQ(board.totalRows(), 4);
    EXPECT_EQ(board.totalColumns(), 4);
    EXPECT_EQ(board.totalTiles(), 16);
    for (int r = 1; r <= 4; ++r) {
        for (int c = 1; c <= 4; ++c) {
            EXPECT_EQ(board.Tile(r, c), nullptr);
        }
    }
}

TEST(Grid, FillingInRowMajorOrderPutsFirstTopLeftAndLastBottomRight) {
    FilledBoard f;
    EXPECT_EQ(f.board.Tile(1, 1), f.tiles.front());
    EXPECT_EQ(f.board.Tile(4, 4), f.tiles.back());
    EXPECT_EQ(f.board.Tile(2, 1), f.tiles[4]);
}

TEST(Grid, SeventeenthTileIsRefusedAndNoCellChanges) {
    FilledBoard f;
    const auto before = f.layout();
    EXPECT_FALSE(f.board.addTile(0, 0, std::make_shared<clsTile>(99, false)));
    // Out-of-range coordinates make no difference once the board is full.
    EXPECT_FALSE(f.board.addTile(40, -3, std::make_shared<clsTile>(98, false)));
    EXPECT_EQ(f.layout(), before);
    EXPECT_EQ(f.board.Tile(1, 1), f.tiles.front());
}

TEST(Grid, SetBoardSizeEmptiesCellsAndAllowsRefilling) {
    FilledBoard f;
    f.board.setBoardSize(4, 4);
    EXPECT_EQ(f.board.Tile(1, 1), nullptr);
    EXPECT_EQ(f.board.Tile(4, 4), nullptr);
    for (int k = 0; k < 16; ++k) {
        EXPECT_TRUE(f.board.addTile(k / 4, k % 4, f.tiles[static_cast<size_t>(15 - k)]));
    }
    EXPECT_EQ(f.imageAt(0), 15);
}

TEST(Grid, IndexBasesAndRangeErrors) {
    clsBoard board;
    auto tile = std::make_shared<clsTile>(7, false);
    EXPECT_EQ(failureOf([&] { board.Tile(0, 1); }), "Subscript out of range");
    EXPECT_EQ(failureOf([&] { board.Tile(5, 1); }), "Subscript out of range");
    EXPECT_EQ(failureOf([&] { board.Tile(1, 5); }), "Subscript out of range");
    EXPECT_EQ(failureOf([&] { (void)board.addTile(4, 0, tile); }), "Subscript out of range");
    EXPECT_EQ(failureOf([&] { (void)board.addTile(0, -1, tile); }), "Subscript out of range");
    // The refused tile was not counted: 16 more still fit.
    EXPECT_TRUE(board.addTile(3, 3, tile));
    EXPECT_EQ(board.Tile(4, 4), tile);
    for (int k = 0; k < 15; ++k) {
        EXPECT_TRUE(board.addTile(k / 4, k % 4, std::make_shared<clsTile>(k, false)));
    }
}

TEST(Grid, TileReadThroughAccessorIsTheBoardsOwnObject) {
    FilledBoard f;
    f.board.Tile(2, 3)->setImageIndex(42);
    EXPECT_EQ(f.imageAt(6), 42);
    f.board.setTile(1, 1, f.tiles[5]);
    EXPECT_EQ(f.board.Tile(1, 1), f.tiles[5]);
}

TEST(Grid, SizePropertiesAndOverflow) {
    clsBoard board;
    board.setTotalRows(5);
    EXPECT_EQ(board.totalTiles(), 20);
    EXPECT_EQ(failureOf([&] { board.Tile(5, 1); }),
              "Subscript out of range");  // grid kept its shape

    EXPECT_EQ(failureOf([&] { board.setTotalColumns(-32768); }), "Overflow");
    EXPECT_EQ(failureOf([&] { board.setTotalRows(-32768); }), "Overflow");
    EXPECT_EQ(failureOf([&] { board.setBoardSize(-32768, 4); }), "Overflow");
    board.setTotalRows(200);
    board.setTotalColumns(200);
    EXPECT_EQ(failureOf([&] { board.totalTiles(); }), "Overflow");
}

TEST(Int16Count, ThrowsOverflowInsteadOfWrapping) {
    Int16 n = 32766;
    ++n;
    EXPECT_EQ(n, 32767);
    EXPECT_EQ(failureOf([&] { ++n; }), "Overflow");
    EXPECT_EQ(n, 32767);
    EXPECT_EQ(failureOf([] {
                  Int16 m = -32768;
                  m -= 1;
              }),
              "Overflow");
    EXPECT_EQ(failureOf([] { (void)(Int16(-32768) * Int16(-1)); }), "Overflow");
    EXPECT_EQ(failureOf([] { (void)(Int16(5) / Int16(0)); }), "Division by zero");
    EXPECT_EQ(failureOf([] { Int16 big(40000); }), "Overflow");
}

}  // namespace
