#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "platform/Failure.h"
#include "tests/board/BoardTestSupport.h"

namespace {

TEST(SwapTile, TargetsOutsideTheBoardAreRefusedWithoutChange) {
    FilledBoard f;
    const auto before = f.layout();
    EXPECT_FALSE(f.board.swapTile(-1, 0));
    EXPECT_FALSE(f.board.swapTile(16, 15));
    EXPECT_FALSE(f.board.swapTile(-4, 0));
    EXPECT_EQ(f.layout(), before);
}

TEST(SwapTile, MovesOnlyIntoTheEmptyCell) {
    FilledBoard f;
    f.moveEmptyTo(5);
    const auto tileFromCell1 = f.at(1);
    EXPECT_TRUE(f.board.swapTile(5, 1));
    EXPECT_EQ(f.at(5), tileFromCell1);
    EXPECT_TRUE(f.at(1)->isEmpty());
    const auto before = f.layout();
    EXPECT_FALSE(f.board.swapTile(6, 2));  // cell 6 does not hold the empty tile
    EXPECT_EQ(f.layout(), before);
}

TEST(SwapTile, RowEndsAndDistantCellsCountAsReachable) {
    FilledBoard f;
    f.moveEmptyTo(3);
    EXPECT_TRUE(f.board.swapTile(3, 4));  // end of row one, start of row two
    EXPECT_EQ(f.imageAt(3), 4);
    EXPECT_TRUE(f.at(4)->isEmpty());

    FilledBoard g;
    g.moveEmptyTo(0);
    EXPECT_TRUE(g.board.swapTile(0, 15));  // the exchange itself asks for no neighbourhood
    EXPECT_TRUE(g.at(15)->isEmpty());
}

TEST(SwapTile, SourceOutsideTheGridFailsOnlyWhenTargetIsEmptyAndChangesNothing) {
    FilledBoard f;
    f.moveEmptyTo(14);
    const auto before = f.layout();
    EXPECT_FALSE(f.board.swapTile(13, 20));  // target not empty: source never looked at
    try {
        f.board.swapTile(14, 18);
        ADD_FAILURE() << "expected a failure";
    } catch (const Failure& e) {
        EXPECT_EQ(e.description(), "Subscript out of range");
    }
    EXPECT_EQ(f.layout(), before);
}

TEST(SwapTile2, ExchangesAnyTwoCellsIncludingTheEmptyTile) {
    FilledBoard f;
    const auto before = f.layout();
    f.board.swapTile2(5, 5);
    EXPECT_EQ(f.layout(), before);
    f.board.swapTile2(0, 15);
    EXPECT_EQ(f.imageAt(0), 15);
    EXPECT_EQ(f.imageAt(15), 0);
    EXPECT_TRUE(f.at(0)->isEmpty());
    EXPECT_THROW(f.board.swapTile2(16, 0), Failure);
    EXPECT_THROW(f.board.swapTile2(0, -1), Failure);
    EXPECT_EQ(f.imageAt(0), 15);
}

TEST(Exchanges, EveryTileStaysOnTheBoardExactlyOnce) {
    FilledBoard f;
    const int moves[][2] = {{0, 15}, {3, 4}, {7, 8}, {2, 13}, {11, 12}, {6, 6}, {1, 14}};
    for (const auto& m : moves) {
        f.board.swapTile2(m[0], m[1]);
        f.board.swapTile(m[1], m[0]);
    }
    std::set<clsTile*> seen;
    for (int k = 0; k < 16; ++k) {
        seen.insert(f.at(k).get());
    }
    EXPECT_EQ(seen.size(), 16u);
    for (const auto& t : f.tiles) {
        EXPECT_TRUE(seen.count(t.get()));
    }
}

}  // namespace
