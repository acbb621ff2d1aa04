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
    if (state_ != WindowState::Playing || boxOpen()) {
        return;
    }
    ReportingRoutine routine(services_.dialogs, "imgTile_Click");
    MoveOutcome move;
    routine.step(102, [&] { move = game_.actOn(index); });
    routine.step(104, [&] { txtMoves->setText(QString::number(game_.moveCount().value())); });
    routine.step(106, [&] { view_->showMove(game_, clpImage_, move); });
    if (soundOn()) {
        sound_->playMove(move);
    }
    bool formed = false;
    routine.step(108, [&] { formed = game_.isFormed(); });
    if (formed) {
        completeGame(routine);
    }
}

// The picture is formed: stop, score, show the whole picture, offer the high score and make the
// window ready for a new game. Each step runs even when one before it failed, so the player is
// never left with a half-ended game; only a score that could not be worked out is neither shown
// nor offered to the table. The last move comes to rest first, and the board as it stood then
// fades into the whole picture; the window answers meanwhile as it does behind a box.
void Form1::completeGame(ReportingRoutine& routine) {
    setState(WindowState::Finishing);
    routine.step(110, [&] { setTimerInterval(0); });
    std::optional<double> score;
    routine.step(112, [&] { score = computeScore(true); });
    if (soundOn()) {
        sound_->play(QStringLiteral("formed"));
    }
    view_->whenStill(this, [this, score] { showFormedPicture(score); });
}

void Form1::showFormedPicture(std::optional<double> score) {
    ReportingRoutine routine(services_.dialogs, "imgTile_Click");
    const QPixmap lastBoard = view_->stillPicture();
    routine.step(114, [&] { removeTiles(); });
    if (score) {
        routine.step(116, [&] {
            txtScore->setText(QString::fromStdString(scoreForReading(scoreDisplay(*score))));
        });
    }
    routine.step(118, [&] { picBack->setPixmap(QPixmap::fromImage(puzzlePicture_)); });
    view_->fadeFrom(lastBoard);
    view_->whenStill(this, [this, score] { offerFormedScore(score); });
}

void Form1::offerFormedScore(std::optional<double> score) {
    ReportingRoutine routine(services_.dialogs, "imgTile_Click");
    // The picture and the score are painted before any box covers the window.
    routine.step(120, [&] { repaint(); });
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
    setState(WindowState::Ready);
}

void Form1::endGame() {
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
