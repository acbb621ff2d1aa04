#include "scores/ScoreDatabase.h"

#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <QVariant>
#include <atomic>
#include <cmath>
#include <string_view>

#include "scores/ScoreFileErrors.h"
#include "scores/SqliteFileUri.h"

namespace {

std::atomic<unsigned long long> connectionCount{0};

QString newConnectionName() {
    return QStringLiteral("tavlora-scores-%1").arg(++connectionCount);
}

// The only names that ever reach the statement text; anything else is refused before any SQL
// is built.
const char* knownTable(const std::string& table) {
    if (table == kSlideTable) {
        return kSlideTable;
    }
    if (table == kSwapTable) {
        return kSwapTable;
    }
    throw Failure(QCoreApplication::translate("ScoreFile", "There is no high-score table \"%1\".")
                      .arg(QString::fromStdString(table))
                      .toStdString());
}

// An empty QString must stay text: Qt binds a null QString as NULL.
QString boundText(const std::string& text) {
    QString value = QString::fromStdString(text);
    return value.isNull() ? QStringLiteral("") : value;
}

ScoreRow rowFrom(const QSqlQuery& query) {
    ScoreRow row;
    row.id = query.value(0).toInt();
    row.name = query.value(1).toString().toStdString();
    row.score = query.value(2).toDouble();
    return row;
}

}  // namespace

ScoreDatabase::~ScoreDatabase() {
    closeScoreDatabase();
}

bool ScoreDatabase::isOpen() const {
    return !connectionName_.isEmpty();
}

void ScoreDatabase::openScoreDatabase(const QString& path, Mode mode) {
    closeScoreDatabase();
    const QString absolutePath = QFileInfo(path).absoluteFilePath();
    checkLooksLikeScoreFile(absolutePath);

    connectionName_ = newConnectionName();
    path_ = absolutePath;
    try {
        openConnection(mode);
        checkFile();
    } catch (...) {
        closeScoreDatabase();
        throw;
    }
}

void ScoreDatabase::openConnection(Mode mode) {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName_);
    // The URI form lets the open mode forbid creating a file; the path is percent-encoded so
    // that '#' or '?' in a folder name cannot cut it short.
    db.setConnectOptions(
        QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeoutMs_));
    db.setDatabaseName(sqliteFileUri(path_) + (mode == Mode::ReadOnly
                                                   ? QStringLiteral("?mode=ro")
                                                   : QStringLiteral("?mode=rw")));
    if (!db.open()) {
        fail(QT_TRANSLATE_NOOP("ScoreFile", "cannot be opened"), db.lastError());
    }
}

void ScoreDatabase::checkFile() {
    QSqlDatabase db = QSqlDatabase::database(connectionName_, false);
    // Every commit reaches the disk before an update counts as done, so a power cut leaves the
    // old row or the new one.
    execOrThrow(QStringLiteral("PRAGMA synchronous = FULL"),
                QT_TRANSLATE_NOOP("ScoreFile", "cannot be read"));
    QSqlQuery check(db);
    if (!check.exec(QStringLiteral("PRAGMA quick_check")) || !check.next()) {
        fail(QT_TRANSLATE_NOOP("ScoreFile", "cannot be read"), check.lastError());
    }
    if (check.value(0).toString() != QStringLiteral("ok")) {
        throw scoreFileFailure(path_, QT_TRANSLATE_NOOP("ScoreFile", "is damaged"),
                               " (" + check.value(0).toString().toStdString() + ")");
    }
}

// Each action looks only for the table it uses, when it uses it: a file that lacks the other game
// type's table still lists and stores this one's scores.
void ScoreDatabase::checkTable(const char* table) {
    QSqlQuery probe(QSqlDatabase::database(connectionName_, false));
    if (!probe.exec(QStringLiteral("SELECT id, fldname, fldscore FROM %1 LIMIT 0")
                        .arg(QLatin1String(table)))) {
        fail(std::string_view(table) == kSlideTable
                 ? QT_TRANSLATE_NOOP(
                       "ScoreFile",
                       "has no table tblSlide with the columns id, fldname and fldscore")
                 : QT_TRANSLATE_NOOP(
                       "ScoreFile",
                       "has no table tblSwap with the columns id, fldname and fldscore"),
             probe.lastError());
    }
}

void ScoreDatabase::closeScoreDatabase() {
    if (connectionName_.isEmpty()) {
        return;
    }
    {
        QSqlDatabase db = QSqlDatabase::database(connectionName_, false);
        db.close();
    }
    // No QSqlDatabase or QSqlQuery of this connection is alive here, so Qt drops it cleanly.
    QSqlDatabase::removeDatabase(connectionName_);
    connectionName_.clear();
    path_.clear();
}

void ScoreDatabase::fail(const char* problem, const QSqlError& error) const {
    // SQLite speaks of a read-only database when the file was deleted while it was open; the
    // player can act on the real cause.
    if (!QFileInfo::exists(path_)) {
        throw scoreFileFailure(path_, QT_TRANSLATE_NOOP("ScoreFile", "was not found"));
    }
    throwScoreFileFailure(path_, problem, error);
}

void ScoreDatabase::requireOpen() const {
    if (!isOpen()) {
        throw Failure(failures::kObjectNotSet);
    }
}

void ScoreDatabase::execOrThrow(const QString& sql, const char* problem) {
    QSqlQuery query(QSqlDatabase::database(connectionName_, false));
    if (!query.exec(sql)) {
        fail(problem, query.lastError());
    }
}

std::vector<ScoreRow> ScoreDatabase::selectAll(const std::string& table) {
    const char* known = knownTable(table);
    return selectRows(
        known, std::string("SELECT id, fldname, fldscore FROM ") + known + " ORDER BY id", nullptr);
}

std::vector<ScoreRow> ScoreDatabase::selectAtOrBelow(const std::string& table, double score) {
    const char* known = knownTable(table);
    return selectRows(known,
                      std::string("SELECT id, fldname, fldscore FROM ") + known +
                          " WHERE fldscore <= ? ORDER BY id",
                      &score);
}

std::vector<ScoreRow> ScoreDatabase::selectRows(const char* table, const std::string& sql,
                                                const double* scoreLimit) {
    requireOpen();
    checkTable(table);
    QSqlQuery query(QSqlDatabase::database(connectionName_, false));
    query.setForwardOnly(true);
    if (!query.prepare(QString::fromStdString(sql))) {
        fail(QT_TRANSLATE_NOOP("ScoreFile", "cannot be read"), query.lastError());
    }
    if (scoreLimit != nullptr) {
        query.addBindValue(*scoreLimit);
    }
    if (!query.exec()) {
        fail(QT_TRANSLATE_NOOP("ScoreFile", "cannot be read"), query.lastError());
    }
    std::vector<ScoreRow> rows;
    while (query.next()) {
        rows.push_back(rowFrom(query));
    }
    // next() also ends on a row that cannot be read; that must not pass as the end of the table.
    if (query.lastError().isValid()) {
        fail(QT_TRANSLATE_NOOP("ScoreFile", "cannot be read"), query.lastError());
    }
    return rows;
}

void ScoreDatabase::updateRow(const std::string& table, int id, double score,
                              const std::string& name) {
    const char* known = knownTable(table);
    requireOpen();
    if (!std::isfinite(score)) {
        throw Failure(failures::kOverflow);
    }
    checkTable(known);
    inWriteTransaction([&] { writeRow(known, id, score, name); });
}

int ScoreDatabase::updateChosenRow(const std::string& table, double score, const std::string& name,
                                   const RowChoice& choose) {
    knownTable(table);
    requireOpen();
    if (!std::isfinite(score)) {
        throw Failure(failures::kOverflow);
    }
    int id = 0;
    inWriteTransaction([&] {
        id = choose(selectAtOrBelow(table, score));
        writeRow(knownTable(table), id, score, name);
    });
    return id;
}

void ScoreDatabase::checkWritable() {
    requireOpen();
    // SQLite writes its journal only when a transaction commits, and leaves out a row written back
    // unchanged; setting the file's user version to the value it has still writes the journal and
    // the file's first page, so this commit goes where an update's would. It is not synced: a full
    // disk refuses the writes themselves, and the page differs only in the header's counters, so
    // a power cut amid it leaves a whole file either way (a sync would cost the player ~20 ms).
    execOrThrow(QStringLiteral("PRAGMA synchronous = OFF"),
                QT_TRANSLATE_NOOP("ScoreFile", "cannot be read"));
    try {
        inWriteTransaction([&] {
            QSqlQuery version(QSqlDatabase::database(connectionName_, false));
            if (!version.exec(QStringLiteral("PRAGMA user_version")) || !version.next()) {
                fail(QT_TRANSLATE_NOOP("ScoreFile", "cannot be read"), version.lastError());
            }
            const qlonglong value = version.value(0).toLongLong();
            // A statement still open would keep the commit waiting on the busy timeout.
            version.finish();
            execOrThrow(QStringLiteral("PRAGMA user_version = %1").arg(value),
                        QT_TRANSLATE_NOOP("ScoreFile", "cannot be written"));
        });
    } catch (...) {
        QSqlQuery(QSqlDatabase::database(connectionName_, false))
            .exec(QStringLiteral("PRAGMA synchronous = FULL"));
        throw;
    }
    execOrThrow(QStringLiteral("PRAGMA synchronous = FULL"),
                QT_TRANSLATE_NOOP("ScoreFile", "cannot be read"));
}

void ScoreDatabase::writeRow(const char* table, int id, double score, const std::string& name) {
    const std::string sql =
        std::string("UPDATE ") + table + " SET fldscore = ?, fldname = ? WHERE id = ?";
    QSqlQuery query(QSqlDatabase::database(connectionName_, false));
    const bool prepared = query.prepare(QString::fromStdString(sql));
    query.addBindValue(score);
    query.addBindValue(boundText(name));
    query.addBindValue(id);
    if (!prepared || !query.exec()) {
        fail(QT_TRANSLATE_NOOP("ScoreFile", "cannot be written"), query.lastError());
    }
}

void ScoreDatabase::inWriteTransaction(const std::function<void()>& work) {
    // Taking the write lock up front lets the busy timeout wait for another copy of the game.
    execOrThrow(QStringLiteral("BEGIN IMMEDIATE"),
                QT_TRANSLATE_NOOP("ScoreFile", "cannot be written"));
    try {
        work();
        execOrThrow(QStringLiteral("COMMIT"), QT_TRANSLATE_NOOP("ScoreFile", "cannot be written"));
    } catch (...) {
        QSqlQuery rollback(QSqlDatabase::database(connectionName_, false));
        rollback.exec(QStringLiteral("ROLLBACK"));
        throw;
    }
}
