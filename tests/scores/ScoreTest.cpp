#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <memory>

#include "board/clsBoard.h"
#include "platform/Failure.h"
#include "platform/SequenceRandom.h"
#include "scores/Score.h"
#include "tests/support/FakeDialogs.h"

namespace {

// A 4 by 4 board whose cell k (row-major) holds the tile with image index layout[k]; tile 15 is
// the empty one wherever it lies.
struct Board {
    explicit Board(const std::array<int, 16>& layout) {
        for (int k = 0; k < 16; ++k) {
            board.addTile(k / 4, k % 4, std::make_shared<clsTile>(layout[k], layout[k] == 15));
        }
    }
    FakeDialogs dialogs;
    SequenceRandom random{{0.0}};
    clsBoard board{dialogs, random};
};

constexpr std::array<int, 16> kFormed = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};

TEST(GameScore, FormedGameOf120MovesIn240SecondsScores605) {
    Board formed(kFormed);
    const double score = gameScore(120, 240, formed.board, true);
    EXPECT_EQ(score, 605.0);
    EXPECT_EQ(scoreDisplay(score), "605.00");
    EXPECT_EQ(scoreText(score), "605");
}

TEST(GameScore, BonusOnlyOnFormedPathAndThirtyPerTileAtHomeEmptyTileIncluded) {
    // Cells 0 and 1 exchanged, and the empty tile moved from 15 to 14: twelve tiles at home,
    // the empty one among them only while it sits in its own cell.
    Board mixed({1, 0, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 15, 14});
    const double rate = 60.0 / 100 * 50;
    EXPECT_DOUBLE_EQ(gameScore(60, 100, mixed.board, false), rate + 12 * 30);
    EXPECT_DOUBLE_EQ(gameScore(60, 100, mixed.board, true), rate + 100 + 12 * 30);

    Board formed(kFormed);
    EXPECT_DOUBLE_EQ(gameScore(60, 100, formed.board, false), rate + 16 * 30);

    Board reversed({15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0});
    EXPECT_DOUBLE_EQ(gameScore(60, 100, reversed.board, false), rate);
}

TEST(GameScore, GameShorterThanOneSecondIsScoredAsOneSecondOnBothPaths) {
    Board formed(kFormed);
    for (bool formedPath : {true, false}) {
        SCOPED_TRACE(formedPath);
        double score = 0;
        EXPECT_NO_THROW(score = gameScore(7, 0, formed.board, formedPath));
        EXPECT_EQ(score, gameScore(7, 1, formed.board, formedPath));
        EXPECT_TRUE(std::isfinite(score));
    }
}

TEST(ScoreText, ShortestFifteenDigitFormWithPointAndNoExponent) {
    Board formed(kFormed);
    EXPECT_EQ(scoreText(gameScore(97, 143, formed.board, false)), "513.916083916084");
    EXPECT_EQ(scoreText(0.0), "0");
    EXPECT_EQ(scoreText(-0.0), "0");
    EXPECT_EQ(scoreText(580), "580");
    EXPECT_EQ(scoreText(0.5), "0.5");
    EXPECT_EQ(scoreText(-2.25), "-2.25");
    EXPECT_EQ(scoreText(0.1 + 0.2), "0.3");
    EXPECT_EQ(scoreText(1.0 / 3), "0.333333333333333");
    EXPECT_EQ(scoreText(2.0 / 3), "0.666666666666667");
    EXPECT_EQ(scoreText(123456789012345.6), "123456789012346");
    EXPECT_EQ(scoreText(99999.99999999999), "100000");
    EXPECT_EQ(scoreText(1e20), "100000000000000000000");
    EXPECT_EQ(scoreText(1234567890123456789.0), "1234567890123460000");
    EXPECT_EQ(scoreText(1.5e-7), "0.00000015");
    EXPECT_EQ(scoreText(50.0 / 32767), "0.00152592547379986");
}

TEST(ScoreText, StoredValueIsTheFifteenDigitValueAndReadsBackTheSame) {
    for (double score : {513.9160839160839, 0.1 + 0.2, 2.0 / 3, 1e20, 1.5e-7, 605.0}) {
        SCOPED_TRACE(score);
        const double stored = storedScore(score);
        EXPECT_EQ(scoreText(stored), scoreText(score));
        EXPECT_EQ(storedScore(stored), stored);
    }
    EXPECT_EQ(storedScore(0.1 + 0.2), 0.3);
    EXPECT_NE(0.1 + 0.2, 0.3);
}

TEST(ScoreDisplay, TwoDecimals) {
    Board formed(kFormed);
    EXPECT_EQ(scoreDisplay(gameScore(97, 143, formed.board, false)), "513.92");
    EXPECT_EQ(scoreDisplay(0), "0.00");
    EXPECT_EQ(scoreDisplay(-0.0), "0.00");
    EXPECT_EQ(scoreDisplay(2.5), "2.50");
    EXPECT_EQ(scoreDisplay(1638930), "1638930.00");
}

}  // namespace
