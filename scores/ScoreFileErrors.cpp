#include "scores/ScoreFileErrors.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>

namespace {

// SQLite's primary result codes that deserve their own words.
constexpr int kSqliteBusy = 5;
constexpr int kSqliteLocked = 6;
constexpr int kSqliteReadOnly = 8;
constexpr int kSqliteCorrupt = 11;
constexpr int kSqliteNotADatabase = 26;

std::string problemFor(const std::string& problem, const QSqlError& error) {
    bool isNumber = false;
    const int code = error.nativeErrorCode().toInt(&isNumber) & 0xff;
    if (!isNumber) {
        return problem;
    }
    switch (code) {
        case kSqliteBusy:
        case kSqliteLocked:
            return "is in use by another program; try again in a moment";
        case kSqliteReadOnly:
            return "cannot be written";
        case kSqliteCorrupt:
        case kSqliteNotADatabase:
            return "is damaged";
        default:
            return problem;
    }
}

}  // namespace

Failure scoreFileFailure(const QString& path, const std::string& problem) {
    return Failure("The high-score file \"" + QDir::toNativeSeparators(path).toStdString() + "\" " +
                   problem + ".");
}

Failure scoreFileFailure(const QString& path, const std::string& problem, const QSqlError& error) {
    QString detail = error.databaseText();
    if (detail.isEmpty()) {
        detail = error.driverText();
    }
    std::string text = problemFor(problem, error);
    if (!detail.isEmpty()) {
        text += " (" + detail.toStdString() + ")";
    }
    return scoreFileFailure(path, text);
}

void checkLooksLikeScoreFile(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists()) {
        throw scoreFileFailure(path, "was not found");
    }
    if (!info.isFile()) {
        throw scoreFileFailure(path, "is not a file");
    }
    if (info.size() == 0) {
        throw scoreFileFailure(path, "is empty");
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw scoreFileFailure(path, "cannot be read (" + file.errorString().toStdString() + ")");
    }
    static const QByteArray kSqliteHeader("SQLite format 3\0", 16);
    if (file.read(kSqliteHeader.size()) != kSqliteHeader) {
        throw scoreFileFailure(path, "is not a high-score database");
    }
}
