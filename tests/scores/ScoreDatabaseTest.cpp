#include <gtest/gtest.h>

#include <cstdio>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <chrono>
#include <future>
#include <memory>
#include <thread>

#include "scores/HighScoreEntry.h"
#include "scores/Score.h"
#include "scores/SqliteFileUri.h"
#include "tests/scores/ScoreTestSupport.h"
#include "tests/support/FakeDialogs.h"

namespace {

using namespace std::chrono_literals;

bool names(const std::string& description, const QString& path) {
    return description.find(QDir::toNativeSeparators(path).toStdString()) != std::string::npos;
}

// Holds an exclusive lock on the file from its own connection and thread, as another copy of the
// game in the middle of a write would, until released or until `hold` has passed.
class FileLocker {
public:
    FileLocker(const QString& path, std::chrono::milliseconds hold) {
        thread_ = std::thread([this, path, hold] { run(path, hold); });
        locked_.get_future().wait();
    }
    ~FileLocker() {
        release();
        thread_.join();
    }
    void release() {
        if (!released_) {
            released_ = true;
            release_.set_value();
        }
    }

private:
    void run(const QString& path, std::chrono::milliseconds hold) {
        const QString name = QStringLiteral("test-locker");
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            db.setDatabaseName(path);
            db.open();
            QSqlQuery query(db);
            query.exec(QStringLiteral("BEGIN EXCLUSIVE"));
            locked_.set_value();
            release_.get_future().wait_for(hold);
            query.exec(QStringLiteral("COMMIT"));
        }
        QSqlDatabase::removeDatabase(name);
    }

    std::promise<void> locked_;
    std::promise<void> release_;
    bool released_ = false;
    std::thread thread_;
};

using ScoreDatabaseTest = ScoreFileTest;

TEST_F(ScoreDatabaseTest, NewFileHoldsTenEmptyRowsPerTableInIdOrder) {
    ScoreDatabase db;
    db.openScoreDatabase(path);
    EXPECT_TRUE(db.isOpen());
    for (const char* table : {kSlideTable, kSwapTable}) {
        SCOPED_TRACE(table);
        const std::vector<ScoreRow> rows = db.selectAll(table);
        ASSERT_EQ(rows.size(), 10u);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            EXPECT_EQ(rows[i].id, static_cast<int>(i) + 1);
            EXPECT_EQ(rows[i].name, "");
            EXPECT_EQ(rows[i].score, 0.0);
        }
    }
    db.closeScoreDatabase();
    EXPECT_FALSE(db.isOpen());
    // The temporary file it was built in has become the score file; nothing else is left.
    EXPECT_EQ(folderEntries(), QStringList({"hiscore.mdb"}));
    EXPECT_TRUE(QFileInfo(path).isWritable());
}

TEST_F(ScoreDatabaseTest, CreatingRefusesAnExistingFileAndLeavesItAsItWas) {
    storeScores(kSlideTable, {321});
    const QByteArray before = fileBytes(path);
    EXPECT_TRUE(names(failureOf([&] { createScoreFile(path); }), path));
    EXPECT_EQ(fileBytes(path), before);

    const QString other = dir.filePath(QStringLiteral("notes.txt"));
    writeBytes(other, "not scores");
    EXPECT_TRUE(names(failureOf([&] { createScoreFile(other); }), other));
    EXPECT_EQ(fileBytes(other), "not scores");
    EXPECT_EQ(folderEntries(), QStringList({"hiscore.mdb", "notes.txt"}));
}

// Folder names with what a file URL treats specially ("#", "?", "%20"); Windows allows no "?" in a
// name, so there "&" and ";" stand beside the "#".
#ifdef _WIN32
const QString kOddFolder = QStringLiteral("a#b&c;d e");
#else
const QString kOddFolder = QStringLiteral("a#b?c d");
#endif

TEST_F(ScoreDatabaseTest, OpeningNeverCreatesAMissingFileEvenInOddlyNamedFolders) {
    for (const QString& folder :
         {QStringLiteral("plain"), kOddFolder, QStringLiteral("Ψ 名前 %20")}) {
        SCOPED_TRACE(folder.toStdString());
        ASSERT_TRUE(QDir(dir.path()).mkpath(folder));
        const QString missing = dir.filePath(folder + QStringLiteral("/hiscore.mdb"));
        ScoreDatabase db;
        EXPECT_TRUE(names(failureOf([&] { db.openScoreDatabase(missing); }), missing));
        EXPECT_FALSE(db.isOpen());
        EXPECT_TRUE(QDir(dir.filePath(folder))
                        .isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));

        // The same folder works once a real file is there.
        createScoreFile(missing);
        db.openScoreDatabase(missing);
        db.updateRow(kSwapTable, 4, 12.5, "x");
        EXPECT_EQ(db.selectAll(kSwapTable)[3].score, 12.5);
    }
}

// A file reached by a network path (\\server\share\... on Windows, where a redirected folder
// leads too) reaches SQLite as a path, never as a URI's server, which SQLite refuses. POSIX lets
// "//" begin a path to any folder, so the same form is tried on every system.
TEST_F(ScoreDatabaseTest, AFileReachedByANetworkPathOpens) {
    EXPECT_EQ(sqliteFileUri(QStringLiteral("//server/share/Пётр #1/hiscore.mdb")),
              QStringLiteral("file:////server/share/%D0%9F%D1%91%D1%82%D1%80%20%231/hiscore.mdb"));
    EXPECT_EQ(sqliteFileUri(QStringLiteral("//server/share/a?b%20c")),
              QStringLiteral("file:////server/share/a%3Fb%2520c"));
#ifdef _WIN32
    EXPECT_EQ(sqliteFileUri(QStringLiteral("\\\\server\\share\\hiscore.mdb")),
              QStringLiteral("file:////server/share/hiscore.mdb"));
    EXPECT_EQ(sqliteFileUri(QStringLiteral("C:/Games/a#b/hiscore.mdb")),
              QStringLiteral("file:///C:/Games/a%23b/hiscore.mdb"));
    // \\?\ names a local file as Windows' own long paths do: the network form, with no server.
    const QString networkPath =
        QStringLiteral("//?/") + dir.filePath(QStringLiteral("hiscore.mdb"));
#else
    const QString networkPath = QLatin1Char('/') + dir.filePath(QStringLiteral("hiscore.mdb"));
#endif
    ScoreDatabase db;
    db.openScoreDatabase(networkPath);
    db.updateRow(kSlideTable, 1, 42.5, "Share");
    db.closeScoreDatabase();
    EXPECT_EQ(scoresIn(path, kSlideTable)[0], 42.5);
}

TEST_F(ScoreDatabaseTest, UnusableFilesFailOnceNamingTheFileAndStayByteForByteUnchanged) {
    const QByteArray good = fileBytes(path);
    QByteArray randomBytes(5000, '\0');
    QRandomGenerator generator(20240607);
    for (char& c : randomBytes) {
        c = static_cast<char>(generator.bounded(256));
    }
    QByteArray otherTableDamaged = good;
    otherTableDamaged[2 * 4096] = '\x42';  // tblSwap's page no longer says what kind it is
    struct Case {
        const char* what;
        std::function<void()> make;
        const char* says;
    };
    const auto replaceBy = [&](std::initializer_list<const char*> statements) {
        QFile::remove(path);
        runSql(path, statements);
    };
    const std::vector<Case> cases = {
        {"empty", [&] { writeBytes(path, ""); }, "is empty"},
        {"random bytes", [&] { writeBytes(path, randomBytes); }, "is not a high-score database"},
        {"text", [&] { writeBytes(path, "Player Name\tScore\r\n"); },
         "is not a high-score database"},
        {"cut inside the header", [&] { writeBytes(path, good.left(60)); }, "is damaged"},
        {"cut after the first page", [&] { writeBytes(path, good.left(good.size() / 2)); },
         "is damaged"},
        {"cut at a page boundary", [&] { writeBytes(path, good.left(good.size() / 3 * 2)); },
         "is damaged"},
        {"header with garbage after it", [&] { writeBytes(path, good.left(16) + randomBytes); },
         "is damaged"},
        {"the other table's page damaged", [&] { writeBytes(path, otherTableDamaged); },
         "is damaged"},
        {"another program's database",
         [&] {
             replaceBy({"CREATE TABLE customers (id INTEGER, name TEXT)",
                        "INSERT INTO customers VALUES (1, 'A')"});
         },
         "has no table tblSlide"},
        {"a table without its score column",
         [&] {
             replaceBy({"CREATE TABLE tblSlide (id INTEGER, fldname TEXT)",
                        "CREATE TABLE tblSwap (id INTEGER, fldname TEXT, fldscore REAL)",
                        "INSERT INTO tblSlide VALUES (1, '')"});
         },
         "has no table tblSlide"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        c.make();
        const QByteArray before = fileBytes(path);
        const QStringList entriesBefore = folderEntries();
        FakeDialogs dialogs;
        dialogs.textReplies.push_back("Ann");

        const std::string failure =
            failureOf([&] { enterHighScore(path, kSlideTable, 1000, dialogs); });
        EXPECT_TRUE(names(failure, path)) << failure;
        EXPECT_NE(failure.find(c.says), std::string::npos) << failure;
        EXPECT_TRUE(dialogs.questions.empty());
        const std::string listFailure = failureOf([&] {
            ScoreDatabase db;
            db.openScoreDatabase(path, ScoreDatabase::Mode::ReadOnly);
            db.selectAll(kSlideTable);
        });
        EXPECT_EQ(listFailure, failure);

        EXPECT_EQ(fileBytes(path), before);
        EXPECT_EQ(folderEntries(), entriesBefore);
        QFile::remove(path);
    }
}

TEST_F(ScoreDatabaseTest, AFileWithOneTableServesThatGameTypeAndNamesTheMissingOne) {
    for (const char* present : {kSlideTable, kSwapTable}) {
        const char* missing = present == kSlideTable ? kSwapTable : kSlideTable;
        SCOPED_TRACE(present);
        QFile::remove(path);
        const std::string create =
            std::string("CREATE TABLE ") + present + " (id INTEGER, fldname TEXT, fldscore REAL)";
        const std::string insert = std::string("INSERT INTO ") + present + " VALUES (1, '', 0)";
        runSql(path, {create.c_str(), insert.c_str()});
        FakeDialogs dialogs;
        dialogs.textReplies = {"Ann"};
        enterHighScore(path, present, 250, dialogs);
        ScoreDatabase db;
        db.openScoreDatabase(path, ScoreDatabase::Mode::ReadOnly);
        const std::vector<ScoreRow> rows = db.selectAll(present);
        ASSERT_EQ(rows.size(), 1u);
        EXPECT_EQ(rows[0].name, "Ann");
        EXPECT_EQ(rows[0].score, 250.0);

        const QByteArray before = fileBytes(path);
        for (const std::string& failure :
             {failureOf([&] { db.selectAll(missing); }),
              failureOf([&] { enterHighScore(path, missing, 300, dialogs); })}) {
            EXPECT_TRUE(names(failure, path)) << failure;
            EXPECT_NE(failure.find(std::string("has no table ") + missing), std::string::npos)
                << failure;
        }
        EXPECT_EQ(dialogs.questions.size(), 1u) << "a name was asked for a table that is not there";
        EXPECT_EQ(fileBytes(path), before);
    }
}

TEST_F(ScoreDatabaseTest, ReadOnlyModeListsButRefusesEveryWrite) {
    storeScores(kSlideTable, {10, 20});
    const QByteArray before = fileBytes(path);
    ScoreDatabase db;
    db.openScoreDatabase(path, ScoreDatabase::Mode::ReadOnly);
    EXPECT_EQ(db.selectAll(kSlideTable).size(), 10u);
    EXPECT_EQ(db.selectAtOrBelow(kSlideTable, 15).size(), 9u);
    const std::string failure = failureOf([&] { db.updateRow(kSlideTable, 1, 99, "Bob"); });
    EXPECT_TRUE(names(failure, path)) << failure;
    // The connection is still usable after the refused write.
    EXPECT_EQ(db.selectAll(kSlideTable)[0].score, 10.0);
    db.closeScoreDatabase();
    EXPECT_EQ(fileBytes(path), before);
}

TEST_F(ScoreDatabaseTest, AwkwardNamesAreStoredAndReadBackExactlyAndChangeNothingElse) {
    const std::vector<std::string> awkward = {
        "O'Brien",
        "\"Jr\"",
        "a; DROP TABLE tblSwap;--",
        "x', fldscore=1e9 WHERE 1=1;--",
        "Zoë d'Arc",
        "Ψυχή Дмитрий 名前 שלום",
        "🎲🧩👍🏽",
        std::string("nul\0inside", 10),
        "  spaces  \t\r\n",
        "%s%d\\n\\0",
        std::string(10000, 'w') + "'end",
        "",
    };
    ScoreDatabase db;
    db.openScoreDatabase(path);
    const std::vector<ScoreRow> swapBefore = db.selectAll(kSwapTable);
    for (std::size_t i = 0; i < awkward.size(); ++i) {
        const int id = static_cast<int>(i % 10) + 1;
        db.updateRow(kSlideTable, id, static_cast<double>(i) + 0.5, awkward[i]);
        const std::vector<ScoreRow> rows = db.selectAll(kSlideTable);
        ASSERT_EQ(rows.size(), 10u);
        EXPECT_EQ(rows[static_cast<std::size_t>(id - 1)].name, awkward[i]) << "name " << i;
        EXPECT_EQ(rows[static_cast<std::size_t>(id - 1)].score, static_cast<double>(i) + 0.5);
    }
    const std::vector<ScoreRow> swapAfter = db.selectAll(kSwapTable);
    ASSERT_EQ(swapAfter.size(), swapBefore.size());
    for (const ScoreRow& row : swapAfter) {
        EXPECT_EQ(row.name, "");
        EXPECT_EQ(row.score, 0.0);
    }
}

TEST_F(ScoreDatabaseTest, TablesOtherThanTheTwoKnownOnesAreRefusedBeforeAnyStatement) {
    const QByteArray before = fileBytes(path);
    ScoreDatabase db;
    db.openScoreDatabase(path);
    for (const std::string table :
         {"tblswap", "tblSlide; DROP TABLE tblSwap", "sqlite_master", "", "tblSlide "}) {
        SCOPED_TRACE(table);
        EXPECT_NE(failureOf([&] { db.selectAll(table); }), "(no failure)");
        EXPECT_NE(failureOf([&] { db.selectAtOrBelow(table, 5); }), "(no failure)");
        EXPECT_NE(failureOf([&] { db.updateRow(table, 1, 5, "x"); }), "(no failure)");
    }
    EXPECT_EQ(db.selectAll(kSwapTable).size(), 10u);
    db.closeScoreDatabase();
    EXPECT_EQ(fileBytes(path), before);
}

TEST_F(ScoreDatabaseTest, TwoOpenFilesUseSeparateConnections) {
    ScoreDatabase first;
    ScoreDatabase second;
    first.openScoreDatabase(path);
    second.openScoreDatabase(path, ScoreDatabase::Mode::ReadOnly);
    EXPECT_EQ(QSqlDatabase::connectionNames().size(), 2);
    first.updateRow(kSwapTable, 2, 77, "Kim");
    EXPECT_EQ(second.selectAll(kSwapTable)[1].name, "Kim");
    first.closeScoreDatabase();
    EXPECT_EQ(second.selectAll(kSwapTable)[1].score, 77.0);
}

TEST_F(ScoreDatabaseTest, AShortLockByAnotherCopyIsWaitedFor) {
    FakeDialogs dialogs;
    dialogs.textReplies.push_back("Patient");
    {
        FileLocker locker(path, 300ms);
        enterHighScore(path, kSwapTable, 42, dialogs);
    }
    ScoreDatabase db;
    db.openScoreDatabase(path);
    EXPECT_EQ(db.selectAll(kSwapTable)[9].name, "Patient");
    EXPECT_EQ(db.selectAll(kSwapTable)[9].score, 42.0);
}

TEST_F(ScoreDatabaseTest, ALockThatOutlastsTheWaitFailsNamingTheFile) {
    const QByteArray before = fileBytes(path);
    ScoreDatabase reader;
    reader.setBusyTimeout(50);
    reader.openScoreDatabase(path);
    {
        FileLocker locker(path, 60s);
        ScoreDatabase db;
        db.setBusyTimeout(50);
        const std::string openFailure = failureOf([&] { db.openScoreDatabase(path); });
        EXPECT_TRUE(names(openFailure, path)) << openFailure;
        EXPECT_FALSE(db.isOpen());

        const std::string writeFailure =
            failureOf([&] { reader.updateRow(kSlideTable, 1, 5, "late"); });
        EXPECT_TRUE(names(writeFailure, path)) << writeFailure;
        locker.release();
    }
    EXPECT_EQ(reader.selectAll(kSlideTable)[0].name, "");
    reader.closeScoreDatabase();
    EXPECT_EQ(fileBytes(path), before);
}

// When the name box closes the game has ended, so a lock that outlasts the wait loses this game's
// score: the report says so instead of asking the player to try again.
TEST_F(ScoreDatabaseTest, ALockOutlastingTheWaitAtTheEndOfAGameSaysTheScoreWasNotStored) {
    std::unique_ptr<FileLocker> locker;
    FakeDialogs dialogs;
    dialogs.textReplies.push_back("Locked out");
    dialogs.whileAsking = [&] { locker = std::make_unique<FileLocker>(path, 60s); };
    const std::string failure = failureOf([&] { enterHighScore(path, kSlideTable, 300, dialogs); });
    locker.reset();
    EXPECT_EQ(failure, "The high-score file \"" + QDir::toNativeSeparators(path).toStdString() +
                           "\" is in use by another program, so this game's score was not stored "
                           "(database is locked).");
    // The check before the name box committed nothing but the file's change counter.
    EXPECT_EQ(scoresIn(path, kSlideTable), std::vector<double>(10, 0.0));
}

#ifndef _WIN32
// SQLite calls a file deleted or replaced while it is open a read-only database; the player is told
// what happened instead, and nothing makes a new file or writes into the one put in its place.
TEST_F(ScoreDatabaseTest, AFileDeletedOrReplacedWhileTheNameBoxIsOpenIsNamedForWhatHappened) {
    const std::string named =
        "The high-score file \"" + QDir::toNativeSeparators(path).toStdString() + "\" ";
    FakeDialogs dialogs;
    dialogs.textReplies = {"Too late", "Too late again"};
    dialogs.whileAsking = [&] { ASSERT_TRUE(QFile::remove(path)); };
    EXPECT_EQ(failureOf([&] { enterHighScore(path, kSwapTable, 120, dialogs); }),
              named + "was not found.");
    EXPECT_EQ(dialogs.questions.size(), 1U);
    EXPECT_FALSE(QFile::exists(path));

    createScoreFile(path);
    const QString other = dir.filePath(QStringLiteral("other.mdb"));
    createScoreFile(other);
    const QByteArray replacement = fileBytes(other);
    dialogs.whileAsking = [&] {
        ASSERT_TRUE(std::rename(QFile::encodeName(other).constData(),
                                QFile::encodeName(path).constData()) == 0);
    };
    EXPECT_EQ(failureOf([&] { enterHighScore(path, kSwapTable, 120, dialogs); }),
              named + "was replaced by another file while the game had it open.");
    EXPECT_EQ(dialogs.questions.size(), 2U);
    EXPECT_EQ(fileBytes(path), replacement);
}
#else
// Windows refuses to delete or rename a file that is open, so another program cannot take the
// file away while the name box is open, and the score is stored.
TEST_F(ScoreDatabaseTest, AFileOpenWhileTheNameBoxIsOpenCannotBeDeletedOrRenamed) {
    FakeDialogs dialogs;
    dialogs.textReplies.push_back("Kept");
    dialogs.whileAsking = [&] {
        EXPECT_FALSE(QFile::remove(path));
        EXPECT_FALSE(QFile::rename(path, dir.filePath(QStringLiteral("moved.mdb"))));
    };
    enterHighScore(path, kSwapTable, 120, dialogs);
    EXPECT_EQ(dialogs.questions.size(), 1U);
    EXPECT_EQ(scoresIn(path, kSwapTable).back(), 120.0);
    EXPECT_EQ(folderEntries(), QStringList({"hiscore.mdb"}));
}
#endif

}  // namespace
