#include <gtest/gtest.h>
#ifndef _WIN32
#include <signal.h>
#endif
#ifndef _WIN32
#include <sys/resource.h>
#include <sys/stat.h>
#endif
#ifndef _WIN32
#include <unistd.h>
#endif

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <memory>
#include <vector>

#include "platform/AppIdentity.h"
#include "scores/HighScoreEntry.h"
#include "scores/ScoreFileLocation.h"
#include "tests/scores/HardeningProcess.h"
#include "tests/scores/ScoreTestSupport.h"
#include "tests/support/FakeDialogs.h"
#include "tests/support/OtherUser.h"

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
    QString installedMark() const { return dir.path() + QLatin1String(kInstalledMarkName); }
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

#ifndef _WIN32
// A package, or `sudo cmake --install`, leaves a marked folder that root owns: the game never
// writes there, not even for root, so the package's files stay as shipped and every player's
// first copy starts from the shipped scores. A marked folder of the player's own (an install
// into ~/.local) keeps the file beside the program.
TEST_F(PlayerCopyTest, AnInstalledFolderThatRootOwnsIsNeverWrittenRootIncluded) {
    const QByteArray shipped = fileBytes(path);
    writeBytes(installedMark(), "installed\n");
    if (!otheruser::testsRunAsRoot()) {
        EXPECT_EQ(scoreFileInUse(path, ownFolder()), path);
        GTEST_SKIP() << "only root owns the folder of a system-wide install";
    }
    const QString inUse = scoreFileInUse(path, ownFolder());
    EXPECT_EQ(inUse, copyPath());
    offer(inUse, 300, "Root");
    EXPECT_EQ(scoresIn(copyPath(), kSlideTable).back(), 300.0);
    EXPECT_EQ(fileBytes(path), shipped);
    EXPECT_EQ(folderEntries(), QStringList({QStringLiteral("hiscore.mdb"), QStringLiteral("home"),
                                            QStringLiteral("installed")}));

    ASSERT_EQ(
        chown(QFile::encodeName(dir.path()).constData(), otheruser::kNobody, otheruser::kNobody),
        0);
    EXPECT_EQ(scoreFileInUse(path, ownFolder()), path);
}

// Where the player's own copy lives follows the XDG rules, with the bytes of the names as the
// system gives them; when there is no such folder, or its name cannot be kept, the player is told
// and nothing is written anywhere else.
TEST_F(PlayerCopyTest, TheOwnFolderFollowsTheXdgRulesAndIsNeverGuessed) {
    const QString app = QStringLiteral("/") + QString::fromLatin1(appidentity::kApplication);
    const QString home = dir.filePath(QStringLiteral("home"));
    const QByteArray latin1Home = QFile::encodeName(dir.path()) + "/j\xF6rg";
    ASSERT_TRUE(QDir().mkpath(home));
    ASSERT_EQ(mkdir(latin1Home.constData(), 0700), 0);
    // The game keeps no scores in the program folder from here on.
    if (otheruser::testsRunAsRoot()) {
        writeBytes(installedMark(), "installed\n");
    } else {
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    }
    std::shared_ptr<void> reopen(nullptr, [this](void*) {
        QFile::setPermissions(
            dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    });
    const std::string named = "The high-score file \"" + path.toStdString() + "\" ";
    // HOME and XDG_DATA_HOME are put back however the test ends.
    const auto keep = [](const char* name) {
        return std::shared_ptr<void>(
            nullptr, [name, value = qgetenv(name), set = qEnvironmentVariableIsSet(name)](void*) {
                set ? qputenv(name, value) : qunsetenv(name);
            });
    };
    const auto keptHome = keep("HOME");
    const auto keptData = keep("XDG_DATA_HOME");

    qputenv("XDG_DATA_HOME", "/srv/games/data/");
    qputenv("HOME", QFile::encodeName(home));
    EXPECT_EQ(playerScoreFolder(path), QStringLiteral("/srv/games/data") + app);
    // A relative XDG_DATA_HOME is ignored, wherever the game was started.
    qputenv("XDG_DATA_HOME", "relative-data");
    EXPECT_EQ(scoreFileInUse(path),
              home + QStringLiteral("/.local/share") + app + QStringLiteral("/hiscore.mdb"));
    EXPECT_FALSE(QFileInfo::exists(QStringLiteral("relative-data")));
    qunsetenv("XDG_DATA_HOME");
    qputenv("HOME", "/");
    EXPECT_EQ(playerScoreFolder(path), QStringLiteral("/.local/share") + app);

    // An empty HOME leaves no folder of the player's own, unless XDG_DATA_HOME names one.
    qputenv("HOME", "");
    EXPECT_EQ(failureOf([&] { scoreFileInUse(path); }),
              named + "cannot be written, and there is no folder of your own for a copy.");
    qputenv("XDG_DATA_HOME", QFile::encodeName(home + QStringLiteral("/data")));
    EXPECT_EQ(scoreFileInUse(path),
              home + QStringLiteral("/data") + app + QStringLiteral("/hiscore.mdb"));

    // A home folder named in Latin-1: refused, and no folder made beside it.
    qunsetenv("XDG_DATA_HOME");
    qputenv("HOME", latin1Home);
    EXPECT_EQ(failureOf([&] { scoreFileInUse(path); }),
              named + "cannot be copied for you: the name of your folder is not UTF-8 (" +
                  dir.path().toStdString() + "/j\uFFFDrg/.local/share).");
    EXPECT_FALSE(QFileInfo::exists(dir.path() + QStringLiteral("/j\uFFFDrg")));
    reopen.reset();
    EXPECT_EQ(rmdir(latin1Home.constData()), 0) << "something was written in the real home";
}
#endif

TEST_F(PlayerCopyTest, WritableProgramFolderKeepsItsOwnFileAsBefore) {
    EXPECT_EQ(scoreFileInUse(path, ownFolder()), path);
    // The folder decides: a read-only file in it is still the one, and is reported as before.
    QFile::setPermissions(path, QFileDevice::ReadOwner);
    EXPECT_EQ(scoreFileInUse(path, ownFolder()), path);
    EXPECT_FALSE(QFileInfo::exists(ownFolder()));
}

// Whether the program folder takes a file is found by trying: a folder whose permissions say yes
// but that refuses every new file (Program Files under Windows' access lists; here the kernel's
// own folder, which root cannot write in either and Wine shows as a writable folder) gets the
// player's own copy, and nothing is left behind in the folder that was tried.
TEST_F(PlayerCopyTest, AProgramFolderThatRefusesNewFilesGivesThePlayerACopy) {
#ifdef _WIN32
    const QString refusing = QStringLiteral("Z:/sys/kernel");
#else
    const QString refusing = QStringLiteral("/sys/kernel");
#endif
    if (!QFileInfo(refusing).isDir()) {
        GTEST_SKIP() << "no kernel folder at " << refusing.toStdString();
    }
    const QString shipped = refusing + QStringLiteral("/hiscore.mdb");
    EXPECT_EQ(scoreFileInUse(shipped, ownFolder()), copyPath());
    EXPECT_EQ(scoresIn(copyPath(), kSlideTable).size(), 10u);
    EXPECT_TRUE(QDir(refusing)
                    .entryList({QStringLiteral(".tavlora-write-*")},
                               QDir::Files | QDir::Hidden | QDir::System)
                    .isEmpty());
    // The folder it was tried in keeps the file when it takes one, as before.
    EXPECT_EQ(scoreFileInUse(path, ownFolder()), path);
    EXPECT_EQ(folderEntries(),
              QStringList({QStringLiteral("hiscore.mdb"), QStringLiteral("home")}));
}

TEST_F(PlayerCopyTest, RefusesADamagedProgramFolderFileAndStartsEmptyWithoutOne) {
    writeBytes(path, QByteArray("SQLite format 3\0", 16) + QByteArray(4096, 'x'));
    EXPECT_EQ(failureOf([&] { playerScoreFile(path, ownFolder()); }),
              "The high-score file \"" + QDir::toNativeSeparators(path).toStdString() +
                  "\" is damaged (file is not a database).");
    EXPECT_FALSE(QFileInfo::exists(copyPath()));

    // Scratch files of copies begun before: one a game killed while copying left long ago, one
    // another game is writing now.
    ASSERT_TRUE(QDir().mkpath(ownFolder()));
    const QString abandoned = ownFolder() + QStringLiteral("/hiscore-Ab12Cd.tmp");
    const QString inProgress = ownFolder() + QStringLiteral("/hiscore-Xy34Zw.tmp");
    writeBytes(abandoned, "half a copy");
    writeBytes(inProgress, "half a copy");
    QFile old(abandoned);
    ASSERT_TRUE(old.open(QIODevice::ReadWrite));
    ASSERT_TRUE(old.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                                QFileDevice::FileModificationTime));
    old.close();

    // Without a shipped file, the copy starts empty and the program folder stays as it is.
    QFile::remove(path);
    EXPECT_EQ(playerScoreFile(path, ownFolder()), copyPath());
    EXPECT_EQ(scoresIn(copyPath(), kSwapTable), std::vector<double>(10, 0.0));
    EXPECT_FALSE(QFileInfo::exists(path));
    EXPECT_EQ(ownEntries(),
              QStringList({QStringLiteral("hiscore-Xy34Zw.tmp"), QStringLiteral("hiscore.mdb")}));
}

#ifndef _WIN32
// A link in the copy's place is the player's doing: the game neither replaces it nor makes a file
// where it points, and says where it leads.
TEST_F(PlayerCopyTest, ALinkToAMissingFileInTheCopysPlaceIsNamedAsSuch) {
    ASSERT_TRUE(QDir().mkpath(ownFolder()));
    const QString target = dir.filePath(QStringLiteral("moved/hiscore.mdb"));
    ASSERT_TRUE(QFile::link(target, copyPath()));
    EXPECT_EQ(failureOf([&] { offer(playerScoreFile(path, ownFolder()), 300, "Linked"); }),
              "The high-score file \"" + copyPath().toStdString() +
                  "\" is a link to a missing file (" + target.toStdString() + ").");
    EXPECT_FALSE(QFileInfo::exists(target));
    EXPECT_TRUE(QFileInfo(copyPath()).isSymLink());
}
#endif

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
    const std::string full = failureOnAFullDisk([&] { playerScoreFile(path, ownFolder()); });
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
    const bool root = otheruser::testsRunAsRoot();
    const QString home = dir.filePath(QStringLiteral("home"));
    ASSERT_TRUE(QDir().mkpath(home));
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                          QFileDevice::ExeOther);
    QFile::setPermissions(
        path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadOther);
    const QString helper = otheruser::runnableCopy(QStringLiteral(SCORE_FILE_USER), dir.path());
    ASSERT_FALSE(helper.isEmpty());
    // The folder is opened again when the test ends, however it ends, so it can be removed.
    const std::shared_ptr<void> reopen(nullptr, [this](void*) {
        QFile::setPermissions(
            dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    });
    if (root) {
        ASSERT_EQ(
            chown(QFile::encodeName(home).constData(), otheruser::kNobody, otheruser::kNobody), 0);
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
        otheruser::runAsPlayer(process, helper);
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
