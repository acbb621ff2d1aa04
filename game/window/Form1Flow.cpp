#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "game/boardview/BoardArea.h"
#include "game/window/DesktopSwitches.h"
#include "game/window/Form1.h"
#include "game/window/SoundPlayer.h"
#include "platform/HoverPushButton.h"
#include "shell/ErrorReport.h"

namespace {
// The caption is the game's state, compared in the language the window speaks.
constexpr const char* kStartCaption = QT_TRANSLATE_NOOP("Form1", "Start Game");
constexpr const char* kEndCaption = QT_TRANSLATE_NOOP("Form1", "End Game");
}  // namespace

void Form1::PushButton2_Click() {
    if (state_ == WindowState::Finishing) {
        return;  // the game is already being ended by a click that formed the picture
    }
    // A start from the keyboard or a screen reader hands the board the keyboard at once; a start
    // with the mouse leaves the focus on the button, and the board shows no cursor.
    const bool byMouse = PushButton2->clickingByMouse();
    ReportingRoutine routine(services_.dialogs, "PushButton2_Click");
    bool starting = false;
    routine.step(100, [&] { starting = PushButton2->text() == tr(kStartCaption); });
    if (starting) {
        bool hasPicture = false;
        routine.step(102, [&] { hasPicture = !puzzlePicture_.isNull(); });
        if (!hasPicture) {
            services_.dialogs.tellReaders(tr("No picture is loaded").toStdString());
            return;
        }
        routine.step(104, [&] { PushButton2->setText(tr(kEndCaption)); });
        routine.step(106, [&] { PushButton1->setEnabled(false); });
        routine.step(108, [&] { newGame(); });
        routine.step(110, [&] { setTimerInterval(1000); });
        setState(WindowState::Playing);
        if (!byMouse) {
            picBack->takeKeyboard();
        }
    } else {
        routine.step(112, [&] { endGame(); });
        routine.step(114, [&] { PushButton2->setText(tr(kStartCaption)); });
        routine.step(116, [&] { PushButton1->setEnabled(true); });
        setState(WindowState::Ready);
    }
}

void Form1::newGame() {
    // The desktop's switches and the sound program wait for the first game, never for start-up.
    desktopSwitches_->ask();
    if (soundOn()) {
        sound_->prepare();
    }
    ReportingRoutine routine(services_.dialogs, "newGame");
    routine.step(100, [&] {
        // Tiles a failed end left behind go before this game makes its own.
        view_->removeLeftovers();
        game_.newBoard();
    });
    routine.step(102, [&] { game_.sizeBoard(); });
    routine.step(104, [&] { picBack->setPixmap(QPixmap()); });
    routine.step(106, [&] { clpImage_.setPicture(QPixmap::fromImage(puzzlePicture_)); });
    routine.step(108, [&] { clpImage_.setRows(game_.board().totalRows()); });
    routine.step(110, [&] { clpImage_.setCols(game_.board().totalColumns()); });
    createTileControls(routine);
    routine.step(160, [&] { game_.shuffle(services_.random); });
    routine.step(162, [&] { drawBoard(); });
    routine.step(164, [&] { game_.resetMoves(); });
    routine.step(166, [&] { game_.resetClock(); });
    routine.step(174, [&] { game_.clearChoice(); });
    bool slide = false;
    routine.step(176, [&] { slide = game_.type() == GameType::Slide; });
    if (slide) {
        routine.step(178, [&] { game_.setScoreTable(PuzzleGame::kSlideTable); });
    } else {
        routine.step(180, [&] { game_.setScoreTable(PuzzleGame::kSwapTable); });
    }
}

// Fills the board in the formed order and lays out one control per cell, plus one spare below
// the last row, each placed after the one before by adding up the cell sizes.
void Form1::createTileControls(ReportingRoutine& routine) {
    Int16 top = 0;
    Int16 left = 0;
    Int16 row = 0;
    Int16 column = 0;
    int total = 0;
    routine.step(120, [&] { total = game_.cellCount(); });
    for (int k = 0; k < total; ++k) {
        routine.step(122, [&] { view_->showCell(k, clpImage_.GraphicCell(k)); });
        routine.step(134, [&] { addTileToBoard(k, row, column); });
        routine.step(138, [&] { view_->createControl(k + 1); });
        bool rowEnds = false;
        routine.step(
            140, [&] { rowEnds = (k + 1) % game_.board().totalColumns().value() == 0 && k != 0; });
        if (rowEnds) {
            routine.step(142, [&] { left = 0; });
            routine.step(144, [&] { top += Int16(view_->controlSize(k).height()); });
            routine.step(146, [&] { column = 0; });
            routine.step(148, [&] { ++row; });
        } else {
            routine.step(150, [&] { left += Int16(view_->controlSize(k).width()); });
            routine.step(152, [&] { ++column; });
        }
        routine.step(154, [&] { view_->setControlLeft(k + 1, left.value()); });
        routine.step(156, [&] { view_->setControlTop(k + 1, top.value()); });
    }
}

void Form1::addTileToBoard(int k, Int16 row, Int16 column) {
    if (!game_.addTile(row, column, game_.makeTile(k))) {
        services_.dialogs.showMessage(
            QCoreApplication::translate("Failure", "Board is already full.").toStdString(),
            tr("Cannot add more tiles.").toStdString(), MessageIcon::Warning);
    }
}

void Form1::drawBoard() {
    view_->drawBoard(game_, clpImage_);
}

void Form1::removeTiles() {
    view_->removeTiles(game_.cellCount());
}

void Form1::Timer1_Timer() {
    ReportingRoutine routine(services_.dialogs, "Timer1");
    routine.step(100, [&] { game_.tick(); });
    routine.step(118, [&] { txtTimer->setText(QString::fromStdString(game_.clockText())); });
}

void Form1::Option1_Click() {
    game_.changeType(GameType::Slide);
}

void Form1::Option2_Click() {
    game_.changeType(GameType::Swap);
}
