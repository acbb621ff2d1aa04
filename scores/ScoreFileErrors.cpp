#include "scores/ScoreFileErrors.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <utility>

namespace {

// SQLite's primary result codes that deserve their own words.
constexpr int kSqliteBusy = 5;
constexpr int kSqliteLocked = 6;
constexpr int kSqliteReadOnly = 8;
constexpr int kSqliteCorrupt = 11;
constexpr int kSqliteNotADatabase = 26;
// The extended code SQLite gives when the file it had open was renamed or replaced since.
constexpr int kSqliteReadOnlyMoved = kSqliteReadOnly | (4 << 8);

constexpr const char* kInUse =
    QT_TRANSLATE_NOOP("ScoreFile", "is in use by another program; try again in a moment");

// SQLite's primary result code, or -1 when the error carries none.
// SQLite's extended result code, or -1 when the error carries none.
int extendedCode(const QSqlError& error) {
    bool isNumber = false;
    const int code = error.nativeErrorCode().toInt(&isNumber);
    return isNumber ? code : -1;
}

int primaryCode(const QSqlError& error) {
    const int code = extendedCode(error);
    return code < 0 ? code : code & 0xff;
}

bool isBusy(const QSqlError& error) {
    return primaryCode(error) == kSqliteBusy || primaryCode(error) == kSqliteLocked;
}

std::string sqliteWords(const QSqlError& error) {
    QString detail = error.databaseText();
    if (detail.isEmpty()) {
        detail = error.driverText();
    }
    return detail.isEmpty() ? std::string() : " (" + detail.toStdString() + ")";
}

const char* problemFor(const char* problem, const QSqlError& error) {
    switch (primaryCode(error)) {
        case kSqliteBusy:
        case kSqliteLocked:
            return kInUse;
        case kSqliteReadOnly:
            return QT_TRANSLATE_NOOP("ScoreFile", "cannot be written");
        case kSqliteCorrupt:
        case kSqliteNotADatabase:
            return QT_TRANSLATE_NOOP("ScoreFile", "is damaged");
        default:
            return problem;
    }
}

}  // namespace

Failure scoreFileFailure(const QString& path, const char* problem, const std::string& detail) {
    const QString words =
        QCoreApplication::translate("ScoreFile", problem) + QString::fromStdString(detail);
    return Failure(QCoreApplication::translate("ScoreFile", "The high-score file \"%1\" %2.")
                       .arg(QDir::toNativeSeparators(path), words)
                       .toStdString());
}

Failure scoreFileFailure(const QString& path, const char* problem, const QSqlError& error) {
    // SQLite's own words for this case speak of a read-only file, which sends the player looking
    // at its permissions; what happened is that another program put a new file in its place.
    if (extendedCode(error) == kSqliteReadOnlyMoved) {
        return scoreFileFailure(
            path, QT_TRANSLATE_NOOP("ScoreFile",
                                    "was replaced by another file while the game had it open"));
    }
    return scoreFileFailure(path, problemFor(problem, error), sqliteWords(error));
}

ScoreFileBusy::ScoreFileBusy(const QString& path, const std::string& description,
                             std::string sqliteWords)
    : Failure(description), path_(path), sqliteWords_(std::move(sqliteWords)) {}

void throwScoreFileFailure(const QString& path, const char* problem, const QSqlError& error) {
    if (isBusy(error)) {
        throw ScoreFileBusy(path, scoreFileFailure(path, problem, error).description(),
                            sqliteWords(error));
    }
    throw scoreFileFailure(path, problem, error);
}

void checkLooksLikeScoreFile(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists() && info.isSymLink()) {
        throw scoreFileFailure(
            path, QT_TRANSLATE_NOOP("ScoreFile", "is a link to a missing file"),
            " (" + QDir::toNativeSeparators(info.symLinkTarget()).toStdString() + ")");
    }
    if (!info.exists()) {
        throw scoreFileFailure(path, QT_TRANSLATE_NOOP("ScoreFile", "was not found"));
    }
    if (!info.isFile()) {
        throw scoreFileFailure(path, QT_TRANSLATE_NOOP("ScoreFile", "is not a file"));
    }
    if (info.size() == 0) {
        throw scoreFileFailure(path, QT_TRANSLATE_NOOP("ScoreFile", "is empty"));
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw scoreFileFailure(path, QT_TRANSLATE_NOOP("ScoreFile", "cannot be read"),
                               " (" + file.errorString().toStdString() + ")");
    }
    static const QByteArray kSqliteHeader("SQLite format 3\0", 16);
    if (file.read(kSqliteHeader.size()) != kSqliteHeader) {
        throw scoreFileFailure(path,
                               QT_TRANSLATE_NOOP("ScoreFile", "is not a high-score database"));
    }
}
