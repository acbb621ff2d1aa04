#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryFile>
#include <QUrl>

#include "scores/ScoreDatabase.h"
#include "scores/ScoreFileErrors.h"
#include "scores/SqliteFileUri.h"

namespace {

constexpr int kRowsPerTable = 10;

// Builds both tables in the empty file at `scratchPath`; failures name the file being created.
void fillNewFile(const QString& connectionName, const QString& scratchPath, const QString& path) {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI"));
    db.setDatabaseName(sqliteFileUri(scratchPath) + QStringLiteral("?mode=rw"));
    if (!db.open()) {
        throw scoreFileFailure(path, QT_TRANSLATE_NOOP("ScoreFile", "cannot be created"),
                               db.lastError());
    }
    QSqlQuery query(db);
    const auto run = [&](const QString& sql) {
        if (!query.exec(sql)) {
            throw scoreFileFailure(path, QT_TRANSLATE_NOOP("ScoreFile", "cannot be created"),
                                   query.lastError());
        }
    };
    run(QStringLiteral("BEGIN"));
    for (const char* table : {kSlideTable, kSwapTable}) {
        run(QStringLiteral("CREATE TABLE %1 (id INTEGER PRIMARY KEY, fldname TEXT NOT NULL DEFAULT "
                           "'', fldscore REAL NOT NULL DEFAULT 0)")
                .arg(QLatin1String(table)));
        for (int id = 1; id <= kRowsPerTable; ++id) {
            run(QStringLiteral("INSERT INTO %1 (id, fldname, fldscore) VALUES (%2, '', 0)")
                    .arg(QLatin1String(table))
                    .arg(id));
        }
    }
    run(QStringLiteral("COMMIT"));
    db.close();
}

}  // namespace

namespace {

// Reserves a unique temporary name beside `path` and lets go of the file at once: Windows refuses
// to rename a file that is still open, and QTemporaryFile::close() keeps its handle there.
QString reserveScratchFile(const QString& path, const QFileInfo& target) {
    QTemporaryFile scratch(target.absolutePath() + QStringLiteral("/hiscore-XXXXXX.tmp"));
    if (!scratch.open()) {
        throw scoreFileFailure(path, QT_TRANSLATE_NOOP("ScoreFile", "cannot be created"),
                               " (" + scratch.errorString().toStdString() + ")");
    }
    scratch.setAutoRemove(false);
    // Temporary files are private to their owner; the score file is an ordinary file.
    scratch.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                           QFileDevice::ReadGroup | QFileDevice::ReadOther);
    return scratch.fileName();
}

// Fills the reserved file and gives it its real name; rename() refuses to replace a file that
// appeared meanwhile.
void fillAndRename(const QString& scratchPath, const QString& path, const QFileInfo& target) {
    // The temporary name is unique, so the connection name made from it is too.
    const QString connectionName = QStringLiteral("tavlora-new-score-file:") + scratchPath;
    try {
        fillNewFile(connectionName, scratchPath, path);
    } catch (...) {
        QSqlDatabase::removeDatabase(connectionName);
        throw;
    }
    QSqlDatabase::removeDatabase(connectionName);
    if (!QFile::rename(scratchPath, target.absoluteFilePath())) {
        throw scoreFileFailure(path, QT_TRANSLATE_NOOP("ScoreFile", "cannot be created"));
    }
}

}  // namespace

void createScoreFile(const QString& path) {
    const QFileInfo target(path);
    if (target.exists() || target.isSymLink()) {
        throw scoreFileFailure(
            path, QT_TRANSLATE_NOOP("ScoreFile", "already exists and is left as it is"));
    }
    // The file is built under a temporary name and renamed at the end, so an interrupted build
    // never leaves a half-made file under the real name, and a failed one leaves nothing.
    const QString scratchPath = reserveScratchFile(path, target);
    try {
        fillAndRename(scratchPath, path, target);
    } catch (...) {
        QFile::remove(scratchPath);
        throw;
    }
}
