#pragma once

#include <QString>
#include <string>

#include "platform/Failure.h"

class QSqlError;

// Failures of the high-score file, worded so the player sees which file is meant and what went
// wrong: "The high-score file "/opt/tavlora/hiscore.mdb" is damaged (...)."
Failure scoreFileFailure(const QString& path, const std::string& problem);
// As above, with SQLite's own words in brackets. A busy, read-only or damaged file is named as
// such whatever the step that met it.
Failure scoreFileFailure(const QString& path, const std::string& problem, const QSqlError& error);

// Fails unless `path` is a non-empty file that starts like an SQLite database. Reads the file
// only, so nothing can touch a file that is not ours.
void checkLooksLikeScoreFile(const QString& path);
