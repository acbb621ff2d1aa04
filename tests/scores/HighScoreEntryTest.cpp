#include <gtest/gtest.h>

#include <cmath>

#include "scores/HighScoreEntry.h"
#include "scores/Score.h"
#include "tests/scores/ScoreTestSupport.h"
#include "tests/support/FakeDialogs.h"

namespace {

using HighScoreEntryTest = ScoreFileTest;

std::vector<std::string> namesIn(const QString& path, const std::string& table) {
    ScoreDatabase db;
    db.openScoreDatabase(path, ScoreDatabase::Mode::ReadOnly);
    std::vector<std::string> names;
    for (const ScoreRow& row : db.selectAll(table)) {
        names.push_back(row.name);
    }
    return names;
}

TEST_F(HighScoreEntryTest, NewScoreReplacesTheHighestStoredScoreNotAboveIt) {
    makeFileWithScores({500, 400, 300, 0, 0});
    FakeDialogs dialogs;
    dialogs.textReplies.push_back("Dana");
    enterHighScore(path, kSlideTable, 450, dialogs);

    ASSERT_EQ(dialogs.questions.size(), 1u);
    EXPECT_EQ(dialogs.questions[0].prompt, "You've got high score.\r\nEnter your name: ");
    EXPECT_EQ(dialogs.questions[0].title, "High Score");
    EXPECT_EQ(dialogs.questions[0].defaultText, "");
    EXPECT_EQ(scoresIn(path, kSlideTable), (std::vector<double>{500, 450, 300, 0, 0}));
    EXPECT_EQ(namesIn(path, kSlideTable),
              (std::vector<std::string>{"P1", "Dana", "P3", "P4", "P5"}));
}

TEST_F(HighScoreEntryTest, AmongEqualScoresTheLastRowIsReplaced) {
    FakeDialogs dialogs;
    dialogs.textReplies = {"First", "Second"};
    enterHighScore(path, kSlideTable, 12, dialogs);
    std::vector<double> expected(10, 0.0);
    expected[9] = 12;
    EXPECT_EQ(scoresIn(path, kSlideTable), expected);

    makeFileWithScores({70, 30, 90, 30, 10});
    enterHighScore(path, kSlideTable, 30, dialogs);
    EXPECT_EQ(scoresIn(path, kSlideTable), (std::vector<double>{70, 30, 90, 30, 10}));
    EXPECT_EQ(namesIn(path, kSlideTable),
              (std::vector<std::string>{"P1", "P2", "P3", "Second", "P5"}));
}

TEST_F(HighScoreEntryTest, EverythingHigherAsksNothingAndLeavesTheFileIdentical) {
    makeFileWithScores({800, 700, 600});
    const QByteArray before = fileBytes(path);
    const QStringList entriesBefore = folderEntries();
    FakeDialogs dialogs;
    enterHighScore(path, kSlideTable, 599.99, dialogs);
    EXPECT_TRUE(dialogs.questions.empty());
    EXPECT_EQ(fileBytes(path), before);
    EXPECT_EQ(folderEntries(), entriesBefore);
}

TEST_F(HighScoreEntryTest, CancelledNameBoxStoresTheScoreWithAnEmptyName) {
    storeScores(kSwapTable, {5, 5, 5, 5, 5, 5, 5, 5, 5, 5});
    FakeDialogs dialogs;  // no reply queued: the box is cancelled
    enterHighScore(path, kSwapTable, 6, dialogs);
    EXPECT_EQ(dialogs.questions.size(), 1u);
    EXPECT_EQ(scoresIn(path, kSwapTable).back(), 6.0);
    EXPECT_EQ(namesIn(path, kSwapTable).back(), "");
}

TEST_F(HighScoreEntryTest, ScoreIsStoredInFullAndOnlyTheWindowRoundsIt) {
    const double score = 97.0 / 143 * 50 + 480;
    FakeDialogs dialogs;
    dialogs.textReplies.push_back("Zoë");
    enterHighScore(path, kSlideTable, score, dialogs);
    const double stored = scoresIn(path, kSlideTable).back();
    EXPECT_EQ(scoreText(stored), "513.916083916084");
    EXPECT_EQ(stored, storedScore(score));
    EXPECT_EQ(scoreDisplay(stored), "513.92");
}

TEST_F(HighScoreEntryTest, ComparisonUsesTheScoreAsWritten) {
    // Just below 450 in binary, but written as "450": it ties with a stored 450 and qualifies.
    makeFileWithScores({450, 900});
    FakeDialogs dialogs;
    dialogs.textReplies.push_back("Tie");
    enterHighScore(path, kSlideTable, std::nextafter(450.0, 0.0), dialogs);
    EXPECT_EQ(dialogs.questions.size(), 1u);
    EXPECT_EQ(namesIn(path, kSlideTable), (std::vector<std::string>{"Tie", "P2"}));
    EXPECT_EQ(scoresIn(path, kSlideTable), (std::vector<double>{450, 900}));
}

TEST_F(HighScoreEntryTest, OnlyTheNamedTableChanges) {
    FakeDialogs dialogs;
    dialogs.textReplies.push_back("Swapper");
    enterHighScore(path, kSwapTable, 300, dialogs);
    EXPECT_EQ(namesIn(path, kSwapTable).back(), "Swapper");
    EXPECT_EQ(scoresIn(path, kSlideTable), std::vector<double>(10, 0.0));
}

TEST_F(HighScoreEntryTest, RowsBelowZeroAreNeverReplaced) {
    // The name is asked, since the stored scores are lower, but no row qualifies as the one to
    // replace; nothing changes.
    makeFileWithScores({-5, -1});
    FakeDialogs dialogs;
    dialogs.textReplies.push_back("Neg");
    enterHighScore(path, kSlideTable, 0, dialogs);
    EXPECT_EQ(dialogs.questions.size(), 1u);
    EXPECT_EQ(scoresIn(path, kSlideTable), (std::vector<double>{-5, -1}));
    EXPECT_EQ(namesIn(path, kSlideTable), (std::vector<std::string>{"P1", "P2"}));
}

TEST_F(HighScoreEntryTest, FailurePassesToTheCallerWithTheFileClosed) {
    QFile::remove(path);
    FakeDialogs dialogs;
    EXPECT_NE(failureOf([&] { enterHighScore(path, kSlideTable, 10, dialogs); }), "(no failure)");
    EXPECT_FALSE(QFile::exists(path));

    createScoreFile(path);
    const QByteArray before = fileBytes(path);
    EXPECT_NE(failureOf([&] { enterHighScore(path, "tblOther", 10, dialogs); }), "(no failure)");
    EXPECT_NE(failureOf([&] { enterHighScore(path, kSlideTable, std::nan(""), dialogs); }),
              "(no failure)");
    EXPECT_NE(failureOf([&] { enterHighScore(path, kSlideTable, HUGE_VAL, dialogs); }),
              "(no failure)");
    EXPECT_EQ(fileBytes(path), before);
    EXPECT_TRUE(dialogs.questions.empty());
    // The fixture checks that no connection is left behind.
}

}  // namespace
