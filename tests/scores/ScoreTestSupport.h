#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <initializer_list>
#include <mutex>
#include <string>
#include <vector>

#include "platform/Failure.h"
#include "scores/ScoreDatabase.h"

#ifndef _WIN32
#include <sys/resource.h>

#include <csignal>
#endif

// The description of the Failure that `action` raises, or a marker when it raises none.
inline std::string failureOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const Failure& f) {
        return f.description();
    }
    return "(no failure)";
}

#ifndef _WIN32
// failureOf() on a disk that fills: writes past the first 4 KB of any file fail, as a full disk
// makes them. The limit is lifted again afterwards.
inline std::string failureOnAFullDisk(const std::function<void()>& action) {
    rlimit before{};
    EXPECT_EQ(getrlimit(RLIMIT_FSIZE, &before), 0);
    const auto previousSignal = signal(SIGXFSZ, SIG_IGN);
    rlimit small = before;
    small.rlim_cur = 4096;
    EXPECT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const std::string failure = failureOf(action);
    setrlimit(RLIMIT_FSIZE, &before);
    signal(SIGXFSZ, previousSignal);
    return failure;
}
#endif

inline QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

inline void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// Runs SQL on a file the way any other program would, creating it when missing.
inline void runSql(const QString& path, std::initializer_list<const char*> statements) {
    const QString name = QStringLiteral("test-setup");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        ASSERT_TRUE(db.open()) << db.lastError().text().toStdString();
        QSqlQuery query(db);
        for (const char* sql : statements) {
            ASSERT_TRUE(query.exec(QString::fromUtf8(sql)))
                << sql << ": " << query.lastError().text().toStdString();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}

inline std::vector<double> scoresIn(const QString& path, const std::string& table) {
    ScoreDatabase db;
    db.openScoreDatabase(path, ScoreDatabase::Mode::ReadOnly);
    std::vector<double> scores;
    for (const ScoreRow& row : db.selectAll(table)) {
        scores.push_back(row.score);
    }
    return scores;
}

// Each test gets its own folder with a freshly made high-score file. Qt warnings (such as a
// connection removed while still in use) fail the test, and no connection may outlive it.
class ScoreFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        path = dir.filePath(QStringLiteral("hiscore.mdb"));
        createScoreFile(path);
        {
            const std::lock_guard lock(warningMutex());
            warnings().clear();
        }
        previousHandler_ = qInstallMessageHandler(&collectWarning);
    }

    void TearDown() override {
        qInstallMessageHandler(previousHandler_);
        const std::lock_guard lock(warningMutex());
        EXPECT_TRUE(QSqlDatabase::connectionNames().isEmpty())
            << QSqlDatabase::connectionNames().join(QStringLiteral(", ")).toStdString();
        for (const std::string& warning : warnings()) {
            ADD_FAILURE() << "Qt warned: " << warning;
        }
    }

    // Overwrites rows 1, 2, ... of `table` with these scores and names "P1", "P2", ...
    void storeScores(const std::string& table, const std::vector<double>& scores) {
        ScoreDatabase db;
        db.openScoreDatabase(path);
        for (std::size_t i = 0; i < scores.size(); ++i) {
            db.updateRow(table, static_cast<int>(i) + 1, scores[i], "P" + std::to_string(i + 1));
        }
    }

    // Replaces the file by one whose two tables hold exactly these scores, ids 1, 2, ...
    void makeFileWithScores(const std::vector<double>& slideScores) {
        QFile::remove(path);
        runSql(path, {"CREATE TABLE tblSlide (id INTEGER, fldname TEXT, fldscore REAL)",
                      "CREATE TABLE tblSwap (id INTEGER, fldname TEXT, fldscore REAL)"});
        for (std::size_t i = 0; i < slideScores.size(); ++i) {
            const std::string sql = "INSERT INTO tblSlide VALUES (" + std::to_string(i + 1) +
                                    ", 'P" + std::to_string(i + 1) + "', " +
                                    std::to_string(slideScores[i]) + ")";
            runSql(path, {sql.c_str()});
        }
    }

    QStringList folderEntries() const {
        return QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    QTemporaryDir dir;
    QString path;

private:
    static std::vector<std::string>& warnings() {
        static std::vector<std::string> collected;
        return collected;
    }
    static std::mutex& warningMutex() {
        static std::mutex mutex;
        return mutex;
    }
    // Also called from the threads that hold locks in the concurrency tests.
    static void collectWarning(QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type != QtDebugMsg && type != QtInfoMsg) {
            const std::lock_guard lock(warningMutex());
            warnings().push_back(text.toStdString());
        }
    }

    QtMessageHandler previousHandler_ = nullptr;
};
