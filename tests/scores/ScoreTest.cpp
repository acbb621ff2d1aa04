#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <string>

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

// Qt sets the C library's locale from the desktop, and most languages the game speaks write a
// decimal comma there. The locales come from scripts/deps.sh; a machine without them fails here.
TEST(ScoreText, PointAndRoundingAreTheSameUnderEveryDesktopsNumbers) {
    const std::string before = std::setlocale(LC_NUMERIC, nullptr);
    for (const char* locale : {"de_DE.UTF-8", "ru_RU.UTF-8", "fr_FR.UTF-8", "pt_BR.UTF-8",
                               "pl_PL.UTF-8", "en_GB.UTF-8", "C"}) {
        SCOPED_TRACE(locale);
        ASSERT_NE(std::setlocale(LC_NUMERIC, locale), nullptr)
            << "the locale is not generated: run scripts/deps.sh";
        char printed[16];
        std::snprintf(printed, sizeof printed, "%.1f", 0.5);
        const bool comma = std::string(locale).substr(0, 2) != "en" && std::string(locale) != "C";
        EXPECT_EQ(printed, std::string(comma ? "0,5" : "0.5"));  // the locale is really in force
        // Two scores a comma locale once cut short to "46" and "12", and an exact half.
        EXPECT_EQ(scoreDisplay(1.0 / 3 * 50 + 30), "46.67");
        EXPECT_EQ(scoreDisplay(37.0 / 15 * 50), "123.33");
        EXPECT_EQ(scoreDisplay(5.0 / 80 * 50 + 100 + 16 * 30), "583.13");
        EXPECT_EQ(scoreText(1.0 / 3 * 50 + 30), "46.6666666666667");
        EXPECT_EQ(storedScore(0.1 + 0.2), 0.3);
    }
    std::setlocale(LC_NUMERIC, before.c_str());
}

}  // namespace
