#pragma once

#include <QCursor>
#include <QImage>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <optional>
#include <string>

#include "board/clsBoard.h"
#include "game/BoardView.h"
#include "platform/Dialogs.h"
#include "platform/Int16.h"
#include "platform/PictureClip.h"
#include "platform/RandomSource.h"
#include "platform/SkinFramework.h"
#include "platform/UrlOpener.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class HoverPushButton;
class ReportingRoutine;

// What the window needs from outside; tests hand in their own.
struct Form1Services {
    Dialogs& dialogs;
    RandomSource& random;
    UrlOpener& urlOpener;
    SkinFramework& skin;
};

// The game's one window. Events arrive here and each handler reads as its numbered steps; the
// work itself lives in the board model, the board view, the picture loader and the score code.
class Form1 : public QWidget {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 584;
    static constexpr int kClientHeight = 451;
    static constexpr const char* kCaption = "Tavlora Software";
    static constexpr const char* kHomePage = "https://tavlora.example/";

    explicit Form1(Form1Services services, QWidget* parent = nullptr);
    ~Form1() override;

    // The load event: run once, before the window first shows.
    void Form_Load();
    void Form_Activate();

    void PushButton1_Click();
    void PushButton2_Click();
    void PushButton3_Click();
    void Timer1_Timer();
    void imgTile_Click(int index);
    void Option_Click();

    void newGame();
    void endGame();
    void drawBoard();
    void removeTiles();
    void setApplicationTitle();
    void maybeOpenHomePage();

    // The controls, under the names the game's code uses.
    QLabel* picBack = nullptr;
    QGroupBox* Frame1 = nullptr;
    QLabel* imgImage = nullptr;
    QGroupBox* Frame2 = nullptr;
    QRadioButton* Option1 = nullptr;
    QRadioButton* Option2 = nullptr;
    QGroupBox* Frame3 = nullptr;
    QLineEdit* txtMoves = nullptr;
    QGroupBox* Frame4 = nullptr;
    QLineEdit* txtTimer = nullptr;
    QGroupBox* Frame5 = nullptr;
    QLineEdit* txtScore = nullptr;
    HoverPushButton* PushButton1 = nullptr;
    HoverPushButton* PushButton2 = nullptr;
    HoverPushButton* PushButton3 = nullptr;
    QTimer Timer1;

    // Read access for the game state, mostly for tests and benchmarks.
    Int16 moveCount() const { return moveCount_; }
    Int16 elapsedSeconds() const { return elapsedSeconds_; }
    Int16 selectedIndex() const { return selectedIndex_; }
    const std::string& scoreTable() const { return scoreTable_; }
    clsBoard* currentBoard() const { return currentBoard_.get(); }
    const QImage& puzzlePicture() const { return puzzlePicture_; }
    int timerInterval() const { return Timer1.isActive() ? Timer1.interval() : 0; }
    BoardView& boardView() { return *view_; }
    const std::optional<QCursor>& handCursor() const { return handCursor_; }

    // Lets tests and benchmarks set the clock and counters as a long game would leave them.
    void setClockForTesting(int elapsed, int hours, int minutes, int seconds);
    void setMoveCountForTesting(int moves) { moveCount_ = moves; }

signals:
    // The window was closed: the program ends.
    void unloaded();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildLayout();
    void buildFrames();
    void buildButtons();
    void setTabOrderChain();
    void connectEvents();
    void setTimerInterval(int milliseconds);
    void showDefaultPointer();
    void showHandPointer();
    bool slideSelected() const;

    void createTileControls(ReportingRoutine& routine);
    bool applySlideRule(int index);
    void applySwapRule(int index);
    void countMove();
    void completeGame(ReportingRoutine& routine);
    double computeScore(bool formedBonus) const;
    void enterScore(double score);
    void writeClock();

    Form1Services services_;
    std::unique_ptr<BoardView> view_;
    PictureClip clpImage_;
    QImage puzzlePicture_;  // the picture imgImage holds; null until a picture was loaded
    QImage creator_;        // the last picture read from a file
    std::optional<QCursor> handCursor_;

    std::unique_ptr<clsBoard> currentBoard_;
    Int16 moveCount_ = 0;
    Int16 elapsedSeconds_ = 0;
    Int16 clockHours_ = 0;
    Int16 clockMinutes_ = 0;
    Int16 clockSeconds_ = 0;
    Int16 selectedIndex_ = 0;
    std::string scoreTable_;

    bool firstShow_ = true;
    bool ending_ = false;  // a game is being scored and torn down
    int gameSerial_ = 0;   // tells a click that waited in the queue that its game has ended
};
