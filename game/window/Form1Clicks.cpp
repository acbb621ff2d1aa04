#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <optional>

#include "game/boardview/BoardArea.h"
#include "game/window/Form1.h"
#include "game/window/SoundPlayer.h"
#include "platform/HoverPushButton.h"
#include "scores/HighScoreEntry.h"
#include "scores/Score.h"
#include "shell/ErrorReport.h"
#include "shell/ProgramFolder.h"

void Form1::imgTile_Click(int index) {
    const int game = game_.serial();
    if (!game_.accepts(game) || boxOpen()) {
        return;
    }
    ReportingRoutine routine(services_.dialogs, "imgTile_Click");
    routine.step(100, [&] { QCoreApplication::processEvents(); });
    // Whatever ran in the meantime may have ended this game or begun another.
    if (!game_.accepts(game)) {
        return;
    }
    const int piece = index < game_.cellCount() ? game_.imageAt(index) : -1;
    routine.step(102, [&] { game_.actOn(index); });
    routine.step(104, [&] { txtMoves->setText(QString::number(game_.moveCount().value())); });
    routine.step(106, [&] { drawBoard(); });
    playMoveSound(index, piece);
    bool formed = false;
    routine.step(108, [&] { formed = game_.isFormed(); });
    if (formed) {
        completeGame(routine);
    }
}

void Form1::playMoveSound(int index, int piece) {
    if (!soundOn() || piece < 0) {
        return;
    }
    int cell = index;
    QString kind = QStringLiteral("still");
    for (int k = 0; k < game_.cellCount(); ++k) {
        if (k != index && game_.imageAt(k) == piece && !game_.isHiddenAt(k)) {
            cell = k;
            kind =
                game_.type() == GameType::Slide ? QStringLiteral("slide") : QStringLiteral("swap");
        }
    }
    const int side = game_.board().totalColumns().value();
    sound_->play(QStringLiteral("%1-%2-%3").arg(kind).arg(cell / side + 1).arg(cell % side + 1));
}

// The picture is formed: stop, score, show the whole picture, offer the high score and make the
// window ready for a new game. Each step runs even when one before it failed, so the player is
// never left with a half-ended game; only a score that could not be worked out is neither shown
// nor offered to the table.
void Form1::completeGame(ReportingRoutine& routine) {
    EndingScope ending(game_);
    routine.step(110, [&] { setTimerInterval(0); });
    std::optional<double> score;
    routine.step(112, [&] { score = computeScore(true); });
    // The last move comes to rest, and the board as it stood then fades into the whole picture;
    // the window answers meanwhile as it does behind a box.
    finishing_ = true;
    if (soundOn()) {
        sound_->play(QStringLiteral("formed"));
    }
    const QPixmap lastBoard = view_->stillPicture();
    routine.step(114, [&] { removeTiles(); });
    if (score) {
        routine.step(116, [&] {
            txtScore->setText(QString::fromStdString(scoreForReading(scoreDisplay(*score))));
        });
    }
    routine.step(118, [&] { picBack->setPixmap(QPixmap::fromImage(puzzlePicture_)); });
    view_->fadeFrom(lastBoard);
    finishing_ = false;
    routine.step(120, [&] { QCoreApplication::processEvents(); });
    if (score) {
        speakResult();
        routine.step(122, [&] { enterScore(*score); });
    }
    routine.step(124, [&] { game_.releaseBoard(); });
    routine.step(126, [&] {
        services_.dialogs.showMessage(tr("Congratulation!!! You had form the image.").toStdString(),
                                      "", MessageIcon::None);
    });
    routine.step(128, [&] { Frame2->setEnabled(true); });
    routine.step(130, [&] { PushButton2->setText(tr("Start Game")); });
    routine.step(132, [&] { PushButton1->setEnabled(true); });
}

void Form1::endGame() {
    EndingScope ending(game_);
    setTimerInterval(0);
    const double score = computeScore(false);
    removeTiles();
    txtScore->setText(QString::fromStdString(scoreForReading(scoreDisplay(score))));
    speakResult();
    enterScore(score);
    services_.dialogs.tellNoteNow();  // the score entered no table, so no box took it
    game_.releaseBoard();
    Frame2->setEnabled(true);
}

// A screen reader hears the score, the moves and the time with the name box, or with the
// congratulation when the score does not enter the table.
void Form1::speakResult() {
    services_.dialogs.noteForReaders(tr("Score %1, moves: %2, time %3")
                                         .arg(txtScore->text(),
                                              QString::number(game_.moveCount().value()),
                                              QString::fromStdString(game_.clockText()))
                                         .toStdString());
}

double Form1::computeScore(bool formedBonus) const {
    // The game's own count, not the moves box: a game ended before its first click must not be
    // scored with the moves of the game before it.
    return game_.score(formedBonus);
}

void Form1::enterScore(double score) {
    enterHighScore(scoreFilePath(), game_.scoreTable(), score, services_.dialogs);
}
