#include <gtest/gtest.h>

#include <set>

#include "platform/Failure.h"
#include "platform/TimeSeededRandom.h"
#include "tests/board/BoardTestSupport.h"

namespace {

TEST(MixTiles, KeepsEveryTileObjectExactlyOnceAndLeavesNoPlaceholder) {
    FilledBoard f;
    TimeSeededRandom random;
    clsBoard& board = f.board;
    for (int round = 0; round < 50; ++round) {
        board.mixTiles(random);
        std::set<clsTile*> seen;
        for (int r = 1; r <= 4; ++r) {
            for (int c = 1; c <= 4; ++c) {
                ASSERT_NE(board.Tile(r, c), nullptr);
                EXPECT_NE(board.Tile(r, c)->imageIndex(), -1);
                seen.insert(board.Tile(r, c).get());
            }
        }
        ASSERT_EQ(seen.size(), 16u);
    }
}

// Draws the pair (0, 1), then the cells 15, 14, ..., 0 in turn, and then starts over.
std::vector<double> knownDeal() {
    std::vector<double> values{0.0, 0.3};
    for (int cell = 15; cell >= 0; --cell) {
        values.push_back((cell / 4 + 0.5) / 4);
        values.push_back((cell % 4 + 0.5) / 4);
    }
    return values;
}

std::vector<int> dealWith(SequenceRandom& random) {
    clsBoard board;
    for (int k = 0; k < 16; ++k) {
        EXPECT_TRUE(board.addTile(k / 4, k % 4, std::make_shared<clsTile>(k, k == 15)));
    }
    board.mixTiles(random);
    std::vector<int> images;
    for (int k = 0; k < 16; ++k) {
        images.push_back(board.Tile(k / 4 + 1, k % 4 + 1)->imageIndex().value());
    }
    return images;
}

TEST(MixTiles, FixedSequenceGivesKnownDealAndReseedsBeforeEveryAttempt) {
    SequenceRandom random(knownDeal());
    const auto images = dealWith(random);
    // Tile 0 takes the first pair, tiles 1..14 walk down from cell 15, and tile 15 finds cell 1
    // taken and goes on to cell 0.
    EXPECT_EQ(images, (std::vector<int>{15, 0, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1}));
    EXPECT_EQ(random.draws(), 2 * random.reseeds());
    EXPECT_EQ(random.reseeds(), 17u);  // one retry, for the last tile

    SequenceRandom again(knownDeal());
    EXPECT_EQ(dealWith(again), images);
}

TEST(MixTiles, TimeSeededSourceKeepsChangingWhileTheClockStandsStill) {
    TimeSeededRandom random([] { return 43200.0; });
    std::set<double> draws;
    for (int i = 0; i < 200; ++i) {
        random.reseedFromTimeOfDay();
        const double u = random.nextUniform();
        ASSERT_GE(u, 0.0);
        ASSERT_LT(u, 1.0);
        draws.insert(u);
    }
    EXPECT_EQ(draws.size(), 200u);
}

TEST(IsImageFormed, FollowsExchangesAndChecksEveryCell) {
    FilledBoard f;
    EXPECT_TRUE(f.board.isImageFormed());
    f.board.swapTile2(2, 7);
    EXPECT_FALSE(f.board.isImageFormed());
    f.board.swapTile2(7, 2);
    EXPECT_TRUE(f.board.isImageFormed());
    f.board.swapTile2(0, 15);  // tile 0 bottom-right, the empty tile top-left
    EXPECT_FALSE(f.board.isImageFormed());
}

TEST(IsImageFormed, CellWithoutTileIsAMissingObject) {
    clsBoard board;
    EXPECT_TRUE(board.addTile(0, 0, std::make_shared<clsTile>(0, false)));
    try {
        board.isImageFormed();
        ADD_FAILURE() << "expected a failure";
    } catch (const Failure& e) {
        EXPECT_EQ(e.description(), "Object variable not set");
    }
}

}  // namespace
