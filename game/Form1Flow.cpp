#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <cmath>

#include "game/Form1.h"
#include "platform/Failure.h"
#include "platform/HoverPushButton.h"
#include "shell/ErrorReport.h"

namespace {
constexpr int kBoardSide = 4;
constexpr const char* kStartCaption = "Start Game";
constexpr const char* kEndCaption = "End Game";
}  // namespace

void Form1::PushButton2_Click() {
    if (ending_) {
        return;  // the game is already being ended by a click that formed the picture
    }
    ReportingRoutine routine(services_.dialogs, "PushButton2_Click");
    bool starting = false;
    routine.step(100, [&] { starting = PushButton2->text() == kStartCaption; });
    if (starting) {
        bool hasPicture = false;
        routine.step(102, [&] { hasPicture = !puzzlePicture_.isNull(); });
        if (!hasPicture) {
            return;
        }
        routine.step(104, [&] { PushButton2->setText(kEndCaption); });
        routine.step(106, [&] { PushButton1->setEnabled(false); });
        routine.step(108, [&] { newGame(); });
        routine.step(110, [&] { setTimerInterval(1000); });
    } else {
        routine.step(112, [&] { endGame(); });
        routine.step(114, [&] { PushButton2->setText(kStartCaption); });
        routine.step(116, [&] { PushButton1->setEnabled(true); });
    }
}

void Form1::newGame() {
    ReportingRoutine routine(services_.dialogs, "newGame");
    ++gameSerial_;
    routine.step(100, [&] {
        // Tiles a failed end left behind go before this game makes its own.
        view_->removeLeftovers();
        currentBoard_ = std::make_unique<clsBoard>(services_.dialogs, services_.random);
    });
    routine.step(102, [&] { currentBoard_->setBoardSize(kBoardSide, kBoardSide); });
    routine.step(104, [&] { picBack->setPixmap(QPixmap()); });
    routine.step(106, [&] { clpImage_.setPicture(QPixmap::fromImage(puzzlePicture_)); });
    routine.step(108, [&] { clpImage_.setRows(currentBoard_->totalRows()); });
    routine.step(110, [&] { clpImage_.setCols(currentBoard_->totalColumns()); });
    createTileControls(routine);
    routine.step(160, [&] { currentBoard_->mixTiles(); });
    routine.step(162, [&] { drawBoard(); });
    routine.step(164, [&] { moveCount_ = 0; });
    routine.step(166, [&] { elapsedSeconds_ = 0; });
    routine.step(168, [&] { clockHours_ = 0; });
    routine.step(170, [&] { clockMinutes_ = 0; });
    routine.step(172, [&] { clockSeconds_ = 0; });
    routine.step(174, [&] { selectedIndex_ = -1; });
    bool slide = false;
    routine.step(176, [&] { slide = slideSelected(); });
    if (slide) {
        routine.step(178, [&] { scoreTable_ = "tblSlide"; });
    } else {
        routine.step(180, [&] { scoreTable_ = "tblSwap"; });
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
    routine.step(120, [&] { total = currentBoard_->totalTiles().value(); });
    const QPoint origin = view_->origin();
    for (int k = 0; k < total; ++k) {
        routine.step(122, [&] { view_->control(k)->setCell(clpImage_.GraphicCell(k)); });
        std::shared_ptr<clsTile> tile;
        routine.step(124, [&] { tile = std::make_shared<clsTile>(); });
        routine.step(126, [&] { tile->setImageIndex(k); });
        bool last = false;
        routine.step(128, [&] { last = k >= total - 1; });
        if (!last) {
            routine.step(130, [&] { tile->setIsEmpty(false); });
        } else {
            routine.step(132, [&] { tile->setIsEmpty(true); });
        }
        routine.step(134, [&] { currentBoard_->addTile(row, column, tile); });
        tile.reset();
        routine.step(138, [&] { view_->createControl(k + 1); });
        bool rowEnds = false;
        routine.step(
            140, [&] { rowEnds = (k + 1) % currentBoard_->totalColumns().value() == 0 && k != 0; });
        if (rowEnds) {
            routine.step(142, [&] { left = 0; });
            routine.step(144, [&] { top += Int16(view_->control(k)->height()); });
            routine.step(146, [&] { column = 0; });
            routine.step(148, [&] { ++row; });
        } else {
            routine.step(150, [&] { left += Int16(view_->control(k)->width()); });
            routine.step(152, [&] { ++column; });
        }
        routine.step(154, [&] {
            view_->control(k + 1)->move(origin.x() + left.value(), view_->control(k + 1)->y());
        });
        routine.step(156, [&] {
            view_->control(k + 1)->move(view_->control(k + 1)->x(), origin.y() + top.value());
        });
    }
}

void Form1::drawBoard() {
    if (!currentBoard_) {
        throw Failure(failures::kObjectNotSet);
    }
    view_->drawBoard(*currentBoard_, clpImage_, slideSelected());
}

void Form1::removeTiles() {
    if (!currentBoard_) {
        throw Failure(failures::kObjectNotSet);
    }
    view_->removeTiles(*currentBoard_);
}

void Form1::Timer1_Timer() {
    ReportingRoutine routine(services_.dialogs, "Timer1");
    // The score's clock stops counting at 32767 s, so a long game never overflows; the display
    // clock keeps going.
    routine.step(100, [&] {
        if (elapsedSeconds_ < Int16::kMax) {
            ++elapsedSeconds_;
        }
    });
    bool minuteEnds = false;
    routine.step(102, [&] { minuteEnds = clockSeconds_ >= 59; });
    if (minuteEnds) {
        routine.step(104, [&] { clockSeconds_ = 0; });
        bool hourEnds = false;
        routine.step(106, [&] { hourEnds = clockMinutes_ >= 59; });
        if (hourEnds) {
            routine.step(108, [&] { clockMinutes_ = 0; });
            routine.step(110, [&] {
                if (clockHours_ < Int16::kMax) {
                    ++clockHours_;
                }
            });
        } else {
            routine.step(112, [&] { ++clockMinutes_; });
        }
    } else {
        routine.step(114, [&] { ++clockSeconds_; });
    }
    routine.step(116, [&] { QCoreApplication::processEvents(); });
    routine.step(118, [&] { writeClock(); });
    routine.step(120, [&] { QCoreApplication::processEvents(); });
}

void Form1::writeClock() {
    // Two digits each; past 24 hours the hours simply keep counting ("24:00:01").
    txtTimer->setText(QString("%1:%2:%3")
                          .arg(clockHours_.value(), 2, 10, QChar('0'))
                          .arg(clockMinutes_.value(), 2, 10, QChar('0'))
                          .arg(clockSeconds_.value(), 2, 10, QChar('0')));
}

void Form1::Option_Click() {
    scoreTable_ = slideSelected() ? "tblSlide" : "tblSwap";
}
