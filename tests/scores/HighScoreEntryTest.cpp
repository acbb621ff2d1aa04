#include <gtest/gtest.h>

#include <cmath>
#ifndef _WIN32
#include <signal.h>
#include <sys/resource.h>
#endif

#include <QProcess>

#include "scores/HighScoreEntry.h"
#include "scores/Score.h"
#include "tests/scores/HardeningProcess.h"
#include "tests/scores/ScoreTestSupport.h"
#include "tests/support/FakeDialogs.h"
#include "tests/support/OtherUser.h"

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

#ifndef _WIN32
// A file that cannot take the score is reported before the player types a name that would be lost:
// a disk that fills at the first write, a file the player may only read, a link to another user's
// file. Nothing is changed and no journal is left.
TEST_F(HighScoreEntryTest, AScoreTheFileCannotTakeIsReportedBeforeTheNameIsAsked) {
    storeScores(kSlideTable, {500, 400});
    const QByteArray before = fileBytes(path);
    const QStringList entriesBefore = folderEntries();
    const std::string named = "The high-score file \"" + path.toStdString() + "\" ";

    // Writes past the first 4 KB of any file fail, as on a full disk; the journal's first page
    // lies beyond them.
    FakeDialogs dialogs;
    dialogs.textReplies.push_back("Lost");
    const std::string full =
        failureOnAFullDisk([&] { enterHighScore(path, kSlideTable, 450, dialogs); });
    EXPECT_EQ(full, named + "cannot be written (disk I/O error).");
    EXPECT_TRUE(dialogs.questions.empty());
    EXPECT_EQ(fileBytes(path), before);
    EXPECT_EQ(folderEntries(), entriesBefore);

    // Another player (nobody, when the tests run as root) who may read the file but not write it,
    // opening it by its own name and through a link of their own.
    const QString link = dir.filePath(QStringLiteral("theirs.mdb"));
    ASSERT_TRUE(QFile::link(path, link));
    ASSERT_TRUE(QFile::setPermissions(
        dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                        QFileDevice::ReadOther | QFileDevice::ExeOther));
    ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadOther));
    const QString helper = otheruser::runnableCopy(QStringLiteral(SCORE_FILE_USER), dir.path());
    ASSERT_FALSE(helper.isEmpty());
    for (const QString& file : {path, link}) {
        SCOPED_TRACE(file.toStdString());
        ScoreFileUser player({QStringLiteral("play"), file, QString::fromLatin1(kSlideTable),
                              QStringLiteral("450"), QStringLiteral("Lost")},
                             [&](QProcess& process) { otheruser::runAsPlayer(process, helper); });
        ASSERT_EQ(player.nextLine(), "ready") << player.errors();
        player.send("go");
        EXPECT_EQ(player.finish(), 1);
        EXPECT_EQ(player.errors(), "The high-score file \"" + file.toStdString() +
                                       "\" cannot be written (attempt to write a readonly "
                                       "database).\n");
    }
    EXPECT_EQ(fileBytes(path), before);
    QFile::remove(helper);
    QFile::remove(link);
    EXPECT_EQ(folderEntries(), entriesBefore);
}
#endif

}  // namespace
