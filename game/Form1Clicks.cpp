#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "game/Form1.h"
#include "platform/Failure.h"
#include "platform/HoverPushButton.h"
#include "scores/HighScoreEntry.h"
#include "scores/Score.h"
#include "shell/ErrorReport.h"
#include "shell/ProgramFolder.h"

namespace {

// Marks a game as being ended for as long as the ending runs, so that events let through in the
// meantime leave the board alone.
class EndingGuard {
public:
    explicit EndingGuard(bool& flag) : flag_(flag) { flag_ = true; }
    ~EndingGuard() { flag_ = false; }
    EndingGuard(const EndingGuard&) = delete;
    EndingGuard& operator=(const EndingGuard&) = delete;

private:
    bool& flag_;
};

}  // namespace

void Form1::imgTile_Click(int index) {
    if (ending_ || !currentBoard_) {
        return;
    }
    ReportingRoutine routine(services_.dialogs, "imgTile_Click");
    const int game = gameSerial_;
    routine.step(100, [&] { QCoreApplication::processEvents(); });
    // Whatever ran in the meantime may have ended this game or begun another.
    if (ending_ || !currentBoard_ || game != gameSerial_) {
        return;
    }
    routine.step(102, [&] {
        if (slideSelected()) {
            applySlideRule(index);
        } else {
            applySwapRule(index);
        }
    });
    routine.step(104, [&] { txtMoves->setText(QString::number(moveCount_.value())); });
    routine.step(106, [&] { drawBoard(); });
    bool formed = false;
    routine.step(108, [&] { formed = currentBoard_->isImageFormed(); });
    if (formed) {
        completeGame(routine);
    }
}

bool Form1::applySlideRule(int index) {
    const int side = currentBoard_->totalRows().value();
    const Int16 source = index;
    for (int target : {index - side, index + side, index - 1, index + 1}) {
        if (currentBoard_->swapTile(target, source)) {
            countMove();
            return true;
        }
    }
    return false;
}

void Form1::applySwapRule(int index) {
    countMove();
    if (selectedIndex_ == -1) {
        view_->control(index)->setThreeDimensional(true);
        selectedIndex_ = index;
    } else {
        currentBoard_->swapTile2(index, selectedIndex_);
        view_->control(selectedIndex_.value())->setThreeDimensional(false);
        selectedIndex_ = -1;
    }
}

void Form1::countMove() {
    // The count stops at 32767 so a marathon game never overflows.
    if (moveCount_ < Int16::kMax) {
        ++moveCount_;
    }
}

// The picture is formed: stop, score, show the whole picture, offer the high score and make the
// window ready for a new game. Each step runs even when one before it failed, so the player is
// never left with a half-ended game.
void Form1::completeGame(ReportingRoutine& routine) {
    EndingGuard guard(ending_);
    routine.step(110, [&] { setTimerInterval(0); });
    double score = 0;
    routine.step(112, [&] { score = computeScore(true); });
    routine.step(114, [&] { removeTiles(); });
    routine.step(116, [&] { txtScore->setText(QString::fromStdString(scoreDisplay(score))); });
    routine.step(118, [&] { picBack->setPixmap(QPixmap::fromImage(puzzlePicture_)); });
    routine.step(120, [&] { QCoreApplication::processEvents(); });
    routine.step(122, [&] { enterScore(score); });
    routine.step(124, [&] { currentBoard_.reset(); });
    routine.step(126, [&] {
        services_.dialogs.showMessage("Congratulation!!! You had form the image.", "",
                                      MessageIcon::None);
    });
    routine.step(128, [&] { Frame2->setEnabled(true); });
    routine.step(130, [&] { PushButton2->setText("Start Game"); });
    routine.step(132, [&] { PushButton1->setEnabled(true); });
}

void Form1::endGame() {
    EndingGuard guard(ending_);
    setTimerInterval(0);
    const double score = computeScore(false);
    removeTiles();
    txtScore->setText(QString::fromStdString(scoreDisplay(score)));
    enterScore(score);
    currentBoard_.reset();
    Frame2->setEnabled(true);
}

double Form1::computeScore(bool formedBonus) const {
    if (!currentBoard_) {
        throw Failure(failures::kObjectNotSet);
    }
    // The game's own count, not the moves box: a game ended before its first click must not be
    // scored with the moves of the game before it.
    return gameScore(moveCount_.value(), elapsedSeconds_, *currentBoard_, formedBonus);
}

void Form1::enterScore(double score) {
    enterHighScore(programFolderPath(kScoreFileName), scoreTable_, score, services_.dialogs);
}
