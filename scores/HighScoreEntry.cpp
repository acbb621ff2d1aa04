#include "scores/HighScoreEntry.h"

#include <QCoreApplication>
#include <cmath>
#include <vector>

#include "platform/Failure.h"
#include "scores/Score.h"
#include "scores/ScoreDatabase.h"
#include "scores/ScoreFileErrors.h"

namespace {

// The row with the highest stored score that does not exceed the new one; the last of equals.
// Rows below 0 are never chosen, and without a choice the id stays 0, which matches no row.
int chosenRowId(const std::vector<ScoreRow>& rows) {
    double best = 0;
    int id = 0;
    for (const ScoreRow& row : rows) {
        if (best <= row.score) {
            best = row.score;
            id = row.id;
        }
    }
    return id;
}

}  // namespace

void enterHighScore(const QString& databasePath, const std::string& table, double score,
                    Dialogs& dialogs) {
    // A score that is not a finite number cannot be stored; refuse it before asking for a name.
    if (!std::isfinite(score)) {
        throw Failure(failures::kOverflow);
    }
    // The table holds the score as its text form gives it, so that is what is compared and
    // written.
    const double stored = storedScore(score);

    try {
        ScoreDatabase db;  // closed on every way out, failures included
        db.openScoreDatabase(databasePath);
        const std::vector<ScoreRow> rows = db.selectAtOrBelow(table, stored);
        if (rows.empty()) {
            db.closeScoreDatabase();
            return;
        }
        // A score the file cannot take is reported now, not after the player typed a name for it.
        db.checkWritable();
        const std::string name = dialogs.askText(
            QCoreApplication::translate("HighScore", "You've got high score.\r\nEnter your name: ")
                .toStdString(),
            QCoreApplication::translate("HighScore", "High Score").toStdString(), "");
        // The row is chosen again under the write lock: another copy of the game may have stored
        // a score while the name box was open.
        db.updateChosenRow(table, stored, name, chosenRowId);
        db.closeScoreDatabase();
    } catch (const ScoreFileBusy& busy) {
        // The game has ended, so trying again cannot bring its score back.
        throw scoreFileFailure(busy.path(),
                               QT_TRANSLATE_NOOP("ScoreFile",
                                                 "is in use by another program, so this game's "
                                                 "score was not stored"),
                               busy.sqliteWords());
    }
}
