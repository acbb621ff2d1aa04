#pragma once

#include <QCursor>
#include <QImage>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <optional>
#include <string>

#include "board/PuzzleGame.h"
#include "game/boardview/BoardView.h"
#include "game/pictures/PictureSource.h"
#include "game/window/WindowControls.h"
#include "platform/ClipboardReader.h"
#include "platform/Dialogs.h"
#include "platform/PictureClip.h"
#include "platform/RandomSource.h"
#include "platform/SkinFramework.h"
#include "platform/TrackedDialogs.h"
#include "platform/UrlOpener.h"

class BoardArea;
class PictureLoad;
class DesktopSwitches;
class PlayerMenu;
class SoundPlayer;
class ReportingRoutine;

// What the window needs from outside; tests hand in their own.
struct Form1Services {
    Dialogs& dialogs;
    RandomSource& random;
    UrlOpener& urlOpener;
    SkinFramework& skin;
};

// Where the window stands. Every way in asks it, and only the events that end a state change it.
enum class WindowState {
    NoPicture,  // nothing to play with yet
    Loading,    // a picture decodes: the window answers as behind a box
    Ready,      // a picture is shown and no game runs
    Playing,    // a game runs
    Finishing,  // a formed picture is being shown, scored and offered: as behind a box
};

// The game's one window. Events arrive here and each handler reads as its numbered steps; the
// work itself lives in the board model, the board view, the picture loader and the score code.
// Its thread only reacts and draws: a picture decodes in a process of its own and arrives as an
// event, and motion ends with one.
class Form1 : public QWidget, public WindowControls {
    Q_OBJECT
public:
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
    void Option1_Click();
    void Option2_Click();

    // A picture named on the command line, a file dropped on the window, a pasted picture: each
    // loads like "Load Picture", and only while no game runs.
    void Form_CommandLine(const QStringList& arguments);
    void Form_OLEDragDrop(const QString& path);
    void Form_Paste();
    // Whether a paste still waits for the clipboard (at most about 2 s).
    bool pasteUnderWay() const { return clipboard_.busy(); }
    WindowState state() const { return state_; }
    // A picture being made again for another pixel ratio.
    bool remaking() const { return remake_ != nullptr; }
    // The process decoding the picture now, 0 when none does.
    qint64 decoderProcessId() const;

    void newGame();
    void endGame();
    void drawBoard();
    void removeTiles();
    void setApplicationTitle();
    void maybeOpenHomePage();
    // Makes the picture and the tiles again for another device pixel ratio.
    void applyPixelRatio(qreal ratio);

    QTimer Timer1;

    // The running game, and what the window shows of it.
    PuzzleGame& game() { return game_; }
    const PuzzleGame& game() const { return game_; }
    const QImage& puzzlePicture() const { return puzzlePicture_; }
    int timerInterval() const { return Timer1.isActive() ? Timer1.interval() : 0; }
    BoardView& boardView() { return *view_; }
    const std::optional<QCursor>& handCursor() const { return handCursor_; }
    PlayerMenu& playerMenu() { return *playerMenu_; }
    DesktopSwitches& desktopSwitches() { return *desktopSwitches_; }
    // --mute: no sounds in this run.
    void setMuted(bool muted);

signals:
    // The window was closed: the program ends.
    void unloaded();
    void stateChanged(WindowState state);

protected:
    // The score of the game being ended; a Failure when it cannot be worked out.
    virtual double computeScore(bool formedBonus) const;

    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void connectEvents();
    void setTimerInterval(int milliseconds);
    // The board moves when both the player and the desktop want it to.
    void applyMotion();
    // Sounds play when the player, the command line and the desktop all let them.
    bool soundOn() const;
    void setState(WindowState state);

    // A picture load begins for the routine `routine`; it goes on in pictureArrived().
    void showPicture(const char* routine, PictureSource source);
    void pictureArrived(const char* routine);
    void remadePictureArrived();
    void pasteArrived(const ClipboardContent& content);
    bool picturesWelcome() const;
    void createTileControls(ReportingRoutine& routine);
    void addTileToBoard(int k, Int16 row, Int16 column);
    // The formed picture's ending, in three parts: each waits for the board to stand still.
    void completeGame(ReportingRoutine& routine);
    void showFormedPicture(std::optional<double> score);
    void offerFormedScore(std::optional<double> score);
    void enterScore(double score);
    void speakResult();
    // The high-score file the entry writes and the list shows: the program folder's, or the
    // player's own copy when they cannot write there.
    static QString scoreFilePath();

    // What a modal box shuts out for the mouse and the keyboard is refused for every way in.
    // While a picture decodes, and while a formed picture is ended, the window answers as it does
    // behind a box.
    bool boxOpen() const {
        return boxes_.boxOpen() || state_ == WindowState::Loading ||
               state_ == WindowState::Finishing;
    }
    void restoreOptions();

    TrackedDialogs boxes_;  // every box of the window goes through here
    Form1Services services_;
    std::unique_ptr<BoardView> view_;
    PictureClip clpImage_;
    QImage puzzlePicture_;  // the picture imgImage holds; null until a picture was loaded
    QImage creator_;        // the last picture read
    PictureSource pictureSource_;
    std::optional<QCursor> handCursor_;
    PuzzleGame game_;
    WindowState state_ = WindowState::NoPicture;
    bool firstShow_ = true;
    PlayerMenu* playerMenu_ = nullptr;
    DesktopSwitches* desktopSwitches_ = nullptr;
    SoundPlayer* sound_ = nullptr;
    bool muted_ = false;
    ClipboardReader clipboard_;
    std::unique_ptr<PictureLoad> load_;    // the picture being loaded
    std::unique_ptr<PictureLoad> remake_;  // the picture being made for another pixel ratio
};
