#include <gtest/gtest.h>

#include "scores/HighScoreEntry.h"
#include "scores/HighScoreList.h"
#include "tests/scores/ScoreTestSupport.h"
#include "tests/support/FakeDialogs.h"

namespace {

using HighScoreListTest = ScoreFileTest;

std::string listText(const QString& path, const std::string& table) {
    ScoreDatabase db;
    db.openScoreDatabase(path, ScoreDatabase::Mode::ReadOnly);
    std::string text = highScoreListHeading();
    for (const ScoreRow& row : db.selectAll(table)) {
        text += highScoreListLine(row);
    }
    return text;
}

TEST_F(HighScoreListTest, UntouchedTableListsEveryRowWithAnEmptyNameAndZero) {
    std::string expected = "Player Name\tScore\r\n\r\n";
    for (int i = 0; i < 10; ++i) {
        expected += "\t\t0\r\n";
    }
    EXPECT_EQ(listText(path, kSlideTable), expected);
    EXPECT_EQ(highScoreListTitle("Slide"), "Slide high scores");
    EXPECT_EQ(highScoreListTitle("Swap"), "Swap high scores");
}

TEST_F(HighScoreListTest, RowsAppearInIdOrderWithNamesAsTypedAndScoresInFull) {
    FakeDialogs dialogs;
    dialogs.textReplies = {"\tTabby", "Zoë d'Arc"};
    enterHighScore(path, kSwapTable, 605, dialogs);                    // into row 10
    enterHighScore(path, kSwapTable, 97.0 / 143 * 50 + 480, dialogs);  // into row 9
    std::string expected = "Player Name\tScore\r\n\r\n";
    for (int i = 0; i < 8; ++i) {
        expected += "\t\t0\r\n";
    }
    expected += "Zoë d'Arc\t\t513.916083916084\r\n\tTabby\t\t605\r\n";
    EXPECT_EQ(listText(path, kSwapTable), expected);
}

TEST_F(HighScoreListTest, EmptyTableShowsOnlyTheHeading) {
    makeFileWithScores({});
    EXPECT_EQ(listText(path, kSlideTable), "Player Name\tScore\r\n\r\n");
}

}  // namespace
