#pragma once

#include <QString>
#include <string>

#include "platform/Dialogs.h"

// Offers `score` to the table: when a stored score is at or below it, asks the player's name and
// overwrites the row with the highest such score (the last of equals). A cancelled name box stores
// an empty name. Failures pass to the caller, with nothing written; a file that cannot take the
// score now (read-only, full disk, busy) fails before the name box opens.
void enterHighScore(const QString& databasePath, const std::string& table, double score,
                    Dialogs& dialogs);
