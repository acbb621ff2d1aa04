#ifndef _WIN32
#include <grp.h>
#endif
#include <gtest/gtest.h>
#ifndef _WIN32
#include <signal.h>
#endif
#ifndef _WIN32
#include <sys/resource.h>
#endif
#ifndef _WIN32
#include <unistd.h>
#endif

#include <QDir>
#include <QFile>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <memory>

#include "scores/HighScoreEntry.h"
#include "scores/ScoreFileLocation.h"
#include "tests/scores/HardeningProcess.h"
#include "tests/scores/ScoreTestSupport.h"
#include "tests/support/FakeDialogs.h"

namespace {

// The program folder's file is `path` (the fixture's); the player's own folder sits beside it.
class PlayerCopyTest : public ScoreFileTest {
protected:
    QString ownFolder() const { return dir.filePath(QStringLiteral("home/.local/share/Tavlora")); }
    QString copyPath() const { return ownFolder() + QStringLiteral("/hiscore.mdb"); }
    QStringList ownEntries() const {
        return QDir(ownFolder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }
    void offer(const QString& file, double score, const std::string& name) {
        FakeDialogs dialogs;
        dialogs.textReplies.push_back(name);
        enterHighScore(file, kSlideTable, score, dialogs);
    }
};

TEST_F(PlayerCopyTest, IsMadeOnceFromTheProgramFolderFileAndNeverReplaced) {
    storeScores(kSlideTable, {400, 300});
    const QByteArray shipped = fileBytes(path);

    EXPECT_EQ(playerScoreFile(path, ownFolder()), copyPath());
    EXPECT_EQ(scoresIn(copyPath(), kSlideTable), scoresIn(path, kSlideTable));
    EXPECT_EQ(ownEntries(), QStringList{QStringLiteral("hiscore.mdb")});  // no scratch file left
    offer(copyPath(), 350, "Own");
    EXPECT_EQ(fileBytes(path), shipped);

    // A damaged program-folder file later on changes nothing: the player's scores stay.
    writeBytes(path, QByteArray("SQLite format 3\0", 16) + QByteArray(4096, 'x'));
    EXPECT_EQ(playerScoreFile(path, ownFolder()), copyPath());
    EXPECT_EQ(scoresIn(copyPath(), kSlideTable)[0], 400);
    EXPECT_EQ(scoresIn(copyPath(), kSlideTable)[1], 350);
}

TEST_F(PlayerCopyTest, WritableProgramFolderKeepsItsOwnFileAsBefore) {
    EXPECT_EQ(scoreFileInUse(path, ownFolder()), path);
    // The folder decides: a read-only file in it is still the one, and is reported as before.
    QFile::setPermissions(path, QFileDevice::ReadOwner);
    EXPECT_EQ(scoreFileInUse(path, ownFolder()), path);
    EXPECT_FALSE(QFileInfo::exists(ownFolder()));
}

TEST_F(PlayerCopyTest, RefusesADamagedOrMissingProgramFolderFile) {
    writeBytes(path, QByteArray("SQLite format 3\0", 16) + QByteArray(4096, 'x'));
    EXPECT_EQ(failureOf([&] { playerScoreFile(path, ownFolder()); }),
              "The high-score file \"" + QDir::toNativeSeparators(path).toStdString() +
                  "\" is damaged (file is not a database).");
    QFile::remove(path);
    EXPECT_EQ(failureOf([&] { playerScoreFile(path, ownFolder()); }),
              "The high-score file \"" + QDir::toNativeSeparators(path).toStdString() +
                  "\" was not found.");
    EXPECT_FALSE(QFileInfo::exists(copyPath()));
}

#ifndef _WIN32
TEST_F(PlayerCopyTest, AFolderThatCannotBeMadeOrADiskThatFillsLeavesNothingBehind) {
    // A file where the player's data folder should be: no one, root included, can make it.
    writeBytes(dir.filePath(QStringLiteral("home")), "not a folder");
    EXPECT_EQ(failureOf([&] { playerScoreFile(path, ownFolder()); }),
              "The high-score file \"" + copyPath().toStdString() +
                  "\" cannot be created (its folder cannot be made).");
    QFile::remove(dir.filePath(QStringLiteral("home")));

    // The disk fills while copying: writes past the first 4 KB fail.
    ASSERT_TRUE(QDir().mkpath(ownFolder()));
    rlimit before{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &before), 0);
    const auto previousSignal = signal(SIGXFSZ, SIG_IGN);
    rlimit small = before;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const std::string full = failureOf([&] { playerScoreFile(path, ownFolder()); });
    setrlimit(RLIMIT_FSIZE, &before);
    signal(SIGXFSZ, previousSignal);
    EXPECT_EQ(full, "The high-score file \"" + copyPath().toStdString() +
                        "\" cannot be created (File too large).");
    EXPECT_EQ(ownEntries(), QStringList());
}
#else
TEST_F(PlayerCopyTest, AFolderThatCannotBeMadeOrADiskThatFillsLeavesNothingBehind) {
    GTEST_SKIP() << "a file size limit (RLIMIT_FSIZE) exists only on Unix";
}
#endif

TEST_F(PlayerCopyTest, ACopyDamagedSinceIsReportedAndTheProgramFolderFileNeverTouched) {
    const QString copy = playerScoreFile(path, ownFolder());
    const QByteArray shipped = fileBytes(path);
    QByteArray bytes = fileBytes(copy);
    bytes.replace(100, 3000, QByteArray(3000, '\x5a'));
    writeBytes(copy, bytes);
    const std::string report =
        failureOf([&] { offer(playerScoreFile(path, ownFolder()), 9, "X"); });
    EXPECT_NE(report.find("\"" + QDir::toNativeSeparators(copy).toStdString() + "\" is damaged"),
              std::string::npos)
        << report;
    EXPECT_EQ(fileBytes(path), shipped);
}

// Two games of a player who cannot write in the program folder, as a system-wide install leaves
// it. Run as root (as CI does), the games run as the unprivileged user "nobody", for whom the
// folder really is closed; run by anyone else, the folder is closed to them by its mode.
#ifndef _WIN32
TEST_F(PlayerCopyTest, TwoGamesOfAPlayerWhoCannotWriteTheProgramFolderShareTheirOwnCopy) {
    const bool root = geteuid() == 0;
    const uid_t player = 65534;
    const QString home = dir.filePath(QStringLiteral("home"));
    ASSERT_TRUE(QDir().mkpath(home));
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                          QFileDevice::ExeOther);
    QFile::setPermissions(
        path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadOther);
    // The folder is opened again when the test ends, however it ends, so it can be removed.
    const std::shared_ptr<void> reopen(nullptr, [this](void*) {
        QFile::setPermissions(
            dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    });
    if (root) {
        ASSERT_EQ(chown(QFile::encodeName(home).constData(), player, player), 0);
    } else {
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    }
    const QByteArray shipped = fileBytes(path);
    const auto asPlayer = [&](QProcess& process) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), home);
        env.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/.local/share"));
        env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
        process.setProcessEnvironment(env);
        if (root) {
            process.setChildProcessModifier([player] {
                if (setgroups(0, nullptr) != 0 || setgid(player) != 0 || setuid(player) != 0) {
                    _exit(3);
                }
            });
        }
    };
    const auto game = [&](const char* score, const char* name) {
        return std::make_unique<ScoreFileUser>(
            QStringList{QStringLiteral("play-installed"), path, QString::fromLatin1(kSlideTable),
                        QString::fromLatin1(score), QString::fromLatin1(name)},
            asPlayer);
    };

    const auto first = game("300", "Alice");
    const auto second = game("200", "Bob");
    ASSERT_EQ(first->nextLine(), "loaded") << first->errors();
    ASSERT_EQ(second->nextLine(), "loaded") << second->errors();
    // Both start at once, so both may make the copy; one copy must come of it, whole.
    first->send("go");
    second->send("go");
    ASSERT_EQ(first->nextLine(), "ready") << first->errors();
    ASSERT_EQ(second->nextLine(), "ready") << second->errors();
    first->send("go");
    ASSERT_EQ(first->nextLine(), "stored") << first->errors();
    second->send("go");
    ASSERT_EQ(second->nextLine(), "stored") << second->errors();
    EXPECT_EQ(first->finish(), 0);
    EXPECT_EQ(second->finish(), 0);

    ScoreFileUser list(
        QStringList{QStringLiteral("list-installed"), path, QString::fromLatin1(kSlideTable)},
        asPlayer);
    EXPECT_EQ(list.finish(), 0) << list.errors();
    const QByteArray listed = list.output();
    EXPECT_NE(listed.indexOf("Alice\t\t300"), -1) << listed.toStdString();
    EXPECT_NE(listed.indexOf("Bob\t\t200"), -1) << listed.toStdString();
    EXPECT_EQ(fileBytes(path), shipped);
    const QString copy = home + QStringLiteral("/.local/share/Tavlora/hiscore.mdb");
    EXPECT_EQ(QDir(QFileInfo(copy).path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("hiscore.mdb")});
}
#else
TEST_F(PlayerCopyTest, TwoGamesOfAPlayerWhoCannotWriteTheProgramFolderShareTheirOwnCopy) {
    GTEST_SKIP()
        << "running a game as another user, to whom the program folder is closed, needs a Unix "
           "user switch; on Windows the installer keeps the program folder the player's own";
}
#endif

}  // namespace
