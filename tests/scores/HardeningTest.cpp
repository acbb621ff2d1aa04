#include <gtest/gtest.h>

#include <QFile>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <array>
#include <chrono>
#include <memory>
#include <thread>

#include "scores/HighScoreEntry.h"
#include "tests/scores/HardeningProcess.h"
#include "tests/scores/ProcessPause.h"
#include "tests/scores/ScoreTestSupport.h"
#include "tests/support/FakeDialogs.h"

namespace {

constexpr int kRows = 10;

// What SQLite itself says about the file, asked the way any other program would ask; this open is
// also the one that rolls back a journal left by a killed writer.
std::string integrityOf(const QString& path) {
    const QString name = QStringLiteral("hardening-integrity");
    std::string result;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        if (db.open()) {
            QSqlQuery query(db);
            if (query.exec(QStringLiteral("PRAGMA integrity_check")) && query.next()) {
                result = query.value(0).toString().toStdString();
            } else {
                result = "(check failed: " + query.lastError().text().toStdString() + ")";
            }
        } else {
            result = "(open failed: " + db.lastError().text().toStdString() + ")";
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return result;
}

// The writer's k-th update: name "n<k>", score k, in one row of one table.
struct Slot {
    int table;  // 0 tblSlide, 1 tblSwap
    int row;    // 0 to 9
};
Slot slotOf(long long k) {
    return {static_cast<int>(k % 2), static_cast<int>((k / 2) % kRows)};
}
const char* tableName(int table) {
    return table == 0 ? kSlideTable : kSwapTable;
}

// The k a row holds: 0 for a row never written, -1 for a name and score that do not belong
// together.
long long writtenK(const ScoreRow& row) {
    if (row.name.empty()) {
        return row.score == 0 ? 0 : -1;
    }
    const std::string digits = row.name.substr(1);
    if (row.name[0] != 'n' || digits.empty() ||
        digits.find_first_not_of("0123456789") != std::string::npos) {
        return -1;
    }
    const long long k = std::stoll(digits);
    return static_cast<double>(k) == row.score ? k : -1;
}

// A journal that still starts with SQLite's journal header, so the next open must play it back;
// a rolled-back or finished journal is deleted or has its header zeroed.
bool journalNeedsRollback(const QString& journal) {
    static const QByteArray kJournalMagic("\xd9\xd5\x05\xf9\x20\xa1\x63\xd7", 8);
    QFile file(journal);
    return file.open(QIODevice::ReadOnly) && file.read(kJournalMagic.size()) == kJournalMagic;
}

// Freezes the process at random moments until one finds it in the middle of a commit, and leaves
// it frozen there; false when none did in the time allowed.
bool catchInsideCommit(qint64 pid, const QString& journal, QRandomGenerator& delays) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(200);
    while (std::chrono::steady_clock::now() < end) {
        std::this_thread::sleep_for(std::chrono::microseconds(delays.bounded(0, 300)));
        pauseProcess(pid);
        if (journalNeedsRollback(journal)) {
            return true;
        }
        resumeProcess(pid);
    }
    return false;
}

using HardeningTest = ScoreFileTest;

TEST_F(HardeningTest, WriterKilledAtRandomMomentsLeavesAnIntactFileOfWholeUpdates) {
    // What each row must hold: the last update the writer confirmed for it, or the one update
    // that was under way when it died.
    std::array<std::array<long long, kRows>, 2> confirmed{};
    long long next = 1;
    int hotJournals = 0;
    int inFlightKept = 0;
    const QString journal = path + QStringLiteral("-journal");
    QRandomGenerator delays(0x5C0BE);
    for (int killed = 0; killed < 50; ++killed) {
        SCOPED_TRACE("kill " + std::to_string(killed));
        ScoreFileUser writer({QStringLiteral("write"), path, QString::number(next)});
        // The first confirmed update shows that the writer is in its loop.
        ASSERT_EQ(writer.nextLine(), QByteArray::number(next)) << writer.errors();
        if (killed % 2 == 1) {
            // Every other kill is made to land inside a commit, even where the disk is so fast
            // that a random moment seldom does.
            catchInsideCommit(writer.pid(), journal, delays);
        } else {
            std::this_thread::sleep_for(std::chrono::microseconds(delays.bounded(200, 12000)));
        }
        QList<QByteArray> lines = writer.killAndCollect();
        lines.prepend(QByteArray::number(next));
        for (const QByteArray& line : lines) {
            ASSERT_EQ(line, QByteArray::number(next)) << "updates confirmed out of order";
            const Slot slot = slotOf(next);
            confirmed[static_cast<std::size_t>(slot.table)][static_cast<std::size_t>(slot.row)] =
                next;
            ++next;
        }
        const long long inFlight = next;  // may or may not have reached the file
        const Slot inFlightSlot = slotOf(inFlight);
        hotJournals += journalNeedsRollback(journal) ? 1 : 0;
        bool keptInFlight = false;

        ASSERT_EQ(integrityOf(path), "ok");
        ASSERT_FALSE(journalNeedsRollback(journal));
        for (int table = 0; table < 2; ++table) {
            std::vector<ScoreRow> rows;
            {
                ScoreDatabase db;
                db.openScoreDatabase(path, ScoreDatabase::Mode::ReadOnly);
                rows = db.selectAll(tableName(table));
            }
            ASSERT_EQ(rows.size(), static_cast<std::size_t>(kRows));
            for (int row = 0; row < kRows; ++row) {
                const ScoreRow& stored = rows[static_cast<std::size_t>(row)];
                const long long k = writtenK(stored);
                ASSERT_NE(k, -1) << tableName(table) << " row " << stored.id << " holds \""
                                 << stored.name << "\" with " << stored.score;
                long long& expected =
                    confirmed[static_cast<std::size_t>(table)][static_cast<std::size_t>(row)];
                const bool isInFlight =
                    inFlightSlot.table == table && inFlightSlot.row == row && k == inFlight;
                if (isInFlight) {
                    expected = inFlight;  // the update had committed when the kill came
                    keptInFlight = true;
                    ++inFlightKept;
                }
                ASSERT_EQ(k, expected) << tableName(table) << " row " << stored.id;
            }
        }
        if (keptInFlight) {
            ++next;  // k values stay unique, so every row tells which update it came from
        }
    }
    // Without a kill inside a commit the test would not have tried the rollback at all.
    EXPECT_GT(hotJournals, 0);
    RecordProperty("hot_journals_rolled_back", hotJournals);
    RecordProperty("updates_kept_without_confirmation", inFlightKept);
}

// Two copies of the game offer their scores at the same moment; each runs to its end without
// waiting for the other's player, so the store's locking alone keeps them apart.
struct Copy {
    double score;
    const char* name;
};
void playAtOnce(const QString& path, const std::vector<Copy>& plays) {
    std::vector<std::unique_ptr<ScoreFileUser>> copies;
    for (const Copy& play : plays) {
        copies.push_back(std::make_unique<ScoreFileUser>(
            QStringList{QStringLiteral("play"), path, QString::fromLatin1(kSlideTable),
                        QString::number(play.score), QString::fromUtf8(play.name)}));
    }
    for (const auto& copy : copies) {
        ASSERT_EQ(copy->nextLine(), "ready") << copy->errors();
    }
    for (const auto& copy : copies) {
        copy->send("go");
    }
    for (const auto& copy : copies) {
        EXPECT_EQ(copy->nextLine(), "stored") << copy->errors();
        EXPECT_EQ(copy->finish(), 0) << copy->errors();
    }
}

std::vector<ScoreRow> slideRows(const QString& path) {
    ScoreDatabase db;
    db.openScoreDatabase(path, ScoreDatabase::Mode::ReadOnly);
    return db.selectAll(kSlideTable);
}

TEST_F(HardeningTest, TwoCopiesEndingGamesAtTheSameMomentBothStoreTheirScores) {
    for (int round = 0; round < 5; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        QFile::remove(path);
        createScoreFile(path);
        storeScores(kSlideTable, {500, 400, 300});
        // 450 replaces the 400 and 350 the 300, whichever copy comes first.
        playAtOnce(path, {{450, "Left"}, {350, "Right"}});

        EXPECT_EQ(integrityOf(path), "ok");
        const std::vector<ScoreRow> rows = slideRows(path);
        EXPECT_EQ(rows[0].name, "P1");
        EXPECT_EQ(rows[1].name, "Left");
        EXPECT_EQ(rows[1].score, 450.0);
        EXPECT_EQ(rows[2].name, "Right");
        EXPECT_EQ(rows[2].score, 350.0);
    }
}

// Another copy stores a higher score in the very row this copy chose while this copy's name box
// is open. Writing the chosen row without looking again throws that higher score away; the row
// should be chosen again when the name comes back.
TEST_F(HardeningTest, AHigherScoreStoredWhileTheNameBoxIsOpenIsNotOverwritten) {
    FakeDialogs other;
    other.textReplies.push_back("Other copy");
    FakeDialogs dialogs;
    dialogs.textReplies.push_back("Slow typist");
    dialogs.whileAsking = [&] { enterHighScore(path, kSlideTable, 250, other); };
    enterHighScore(path, kSlideTable, 200, dialogs);

    const std::vector<ScoreRow> rows = slideRows(path);
    // The 250 was stored first, so the 200 belongs in the last row still at 0, as if the two
    // games had ended one after the other.
    EXPECT_EQ(rows[9].name, "Other copy");
    EXPECT_EQ(rows[9].score, 250.0);
    EXPECT_EQ(rows[8].name, "Slow typist");
    EXPECT_EQ(rows[8].score, 200.0);
}

}  // namespace
