#include <QRadioButton>

#include "game/window/Form1.h"
#include "scores/HighScoreList.h"
#include "scores/ScoreDatabase.h"
#include "shell/ErrorReport.h"
#include "shell/ProgramFolder.h"

void Form1::PushButton3_Click() {
    ReportingRoutine routine(services_.dialogs, "PushButton3_Click");
    ScoreDatabase database;
    std::vector<ScoreRow> rows;
    std::string text;
    // A file that cannot be opened or read ends the listing after its one report.
    if (!routine.step(100,
                      [&] { database.openScoreDatabase(programFolderPath(kScoreFileName)); })) {
        return;
    }
    if (!routine.step(102, [&] { rows = database.selectAll(game_.scoreTable()); })) {
        return;
    }
    routine.step(104, [&] { text = highScoreListHeading(); });
    for (const ScoreRow& row : rows) {
        routine.step(108, [&] { text += highScoreListLine(row); });
    }
    routine.step(114, [&] { database.closeScoreDatabase(); });
    bool slide = false;
    routine.step(116, [&] { slide = game_.type() == GameType::Slide; });
    const QRadioButton* option = slide ? Option1 : Option2;
    routine.step(slide ? 118 : 120, [&] {
        services_.dialogs.showMessage(text, highScoreListTitle(option->text().toStdString()),
                                      MessageIcon::None);
    });
}
