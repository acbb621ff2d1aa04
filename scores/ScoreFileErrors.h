#pragma once

#include <QCoreApplication>
#include <QString>
#include <string>

#include "platform/Failure.h"

class QSqlError;

// Failures of the high-score file, worded so the player sees which file is meant and what went
// wrong: "The high-score file "/opt/tavlora/hiscore.mdb" is damaged (...)." `problem` is an
// English phrase marked with QT_TRANSLATE_NOOP("ScoreFile", ...) and shown translated; `detail`
// (outside words in brackets) follows it as it is.
Failure scoreFileFailure(const QString& path, const char* problem, const std::string& detail = {});
// As above, with SQLite's own words in brackets. A busy, read-only or damaged file is named as
// such whatever the step that met it.
Failure scoreFileFailure(const QString& path, const char* problem, const QSqlError& error);

// Another program held the file past the wait. The description asks the player to try again, which
// suits a listing; a caller for whom trying again cannot help says so in its own words.
class ScoreFileBusy : public Failure {
public:
    ScoreFileBusy(const QString& path, const std::string& description, std::string sqliteWords);
    const QString& path() const { return path_; }
    // SQLite's own words in brackets, as the description gives them.
    const std::string& sqliteWords() const { return sqliteWords_; }

private:
    QString path_;
    std::string sqliteWords_;
};

// Throws scoreFileFailure(path, problem, error), as a ScoreFileBusy when the file was busy.
[[noreturn]] void throwScoreFileFailure(const QString& path, const char* problem,
                                        const QSqlError& error);

// Fails unless `path` is a non-empty file that starts like an SQLite database. Reads the file
// only, so nothing can touch a file that is not ours.
void checkLooksLikeScoreFile(const QString& path);
