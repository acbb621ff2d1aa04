#include <gtest/gtest.h>

#include <cmath>

#include "scores/Score.h"

namespace {

TEST(ScoreText, ShortestFifteenDigitFormWithPointAndNoExponent) {
    // 97 moves in 143 s with every tile at home, ended by the button.
    const double score = 97.0 / 143 * 50 + 16 * 30;
    EXPECT_EQ(scoreText(score), "513.916083916084");
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

TEST(ScoreDisplay, TwoDecimalsWithExactHalvesRoundedAwayFromZero) {
    EXPECT_EQ(scoreDisplay(97.0 / 143 * 50 + 16 * 30), "513.92");
    // 5 moves in 80 s on a formed picture: 583.125 exactly, stored in full, shown rounded up.
    EXPECT_EQ(scoreDisplay(5.0 / 80 * 50 + 100 + 16 * 30), "583.13");
    EXPECT_EQ(scoreText(583.125), "583.125");
    EXPECT_EQ(scoreDisplay(0.125), "0.13");
    EXPECT_EQ(scoreDisplay(-0.125), "-0.13");
    EXPECT_EQ(scoreDisplay(99.995), "100.00");  // just above the half in binary
    EXPECT_EQ(scoreDisplay(1.005), "1.00");     // just below it
    EXPECT_EQ(scoreDisplay(9.999), "10.00");
    EXPECT_EQ(scoreDisplay(0), "0.00");
    EXPECT_EQ(scoreDisplay(-0.0), "0.00");
    EXPECT_EQ(scoreDisplay(-0.001), "0.00");
    EXPECT_EQ(scoreDisplay(2.5), "2.50");
    EXPECT_EQ(scoreDisplay(1638930), "1638930.00");
    EXPECT_EQ(scoreDisplay(1e300).size(), 301u + 3u);
}

}  // namespace
