#pragma once

#include <QLabel>
#include <QStringList>
#include <array>

#include "board/PuzzleGame.h"

// The board area: it holds the tile controls and, once the game is over, the whole picture. While
// a game runs it takes the keyboard: the arrow keys move a cursor over the cells, Space or Enter
// plays the cell under it as a click would. The cursor is shown only to a player who uses the
// keyboard on the board (it came by Tab, or a key was pressed on it); a mouse click on a tile hides
// it again and leaves it on the clicked cell, and the mouse never moves the focus here. Screen
// readers see its cells as buttons named after the piece each one shows (BoardAccessible), and the
// cursor is their focus. Every key on the board is answered to them: a press says what moved where
// or why nothing did, an arrow at the edge says so, M says the moves and the time.
class BoardArea : public QLabel {
    Q_OBJECT
public:
    static constexpr int kSide = PuzzleGame::kSide;
    static constexpr int kCellSide = 100;  // logical pixels
    static constexpr int kCells = PuzzleGame::kCells;

    explicit BoardArea(QWidget* parent);

    // Shows `game` (called after every drawing). The first drawing of a game puts the cursor,
    // hidden, on the top-left cell; the focus stays where it is.
    void showGame(const PuzzleGame& game);
    // A game started from the keyboard: the board takes the focus and shows its cursor.
    void takeKeyboard();
    // No game any more: the cursor goes, the focus stays where it is.
    void hideGame();
    // The game shown, or null when none runs.
    const PuzzleGame* game() const { return game_; }

    int cursorCell() const { return cursor_; }
    void setCursorCell(int cell);
    // A mouse click on the tile of `cell`: the cursor moves there, hidden until the next key.
    void followClick(int cell);
    bool cursorShown() const;
    // Tiles raised to move pass under the cursor, never over it.
    void keepCursorOnTop();
    // Where cell k lies inside the area, in logical pixels.
    QRect cellRect(int cell) const;
    // Plays cell k as a click on its tile would.
    void activate(int cell);
    // What the game did with a press (called with every drawing of a move): a press from the
    // keyboard or a screen reader is answered to screen readers.
    void answerMove(const MoveOutcome& move);
    // A screen reader's press: returns at once and plays cell k, with the cursor there, just
    // after, so the reader hears back before any box the move opens. Nothing happens when that
    // game is over by then.
    void pressSoon(int cell);

    // Tells screen readers `text` with the cell under the cursor, or with the board when no game
    // runs, if the board has the focus. The cell is handed to them as a new object, so a reader
    // that is already on it reads it again, with `text` after its place.
    void speak(const QString& text);
    // What a screen reader hears of cell k beyond its name: its place, the answer to the key just
    // pressed on it and, on entering the board the first time in a game, how to play.
    QString cellDescription(int cell) const;
    // The board's own description: how to play while no game runs, or what `speak` said of it.
    QString boardDescription() const;
    // Changes each time cell k is handed to screen readers anew: `speak` said something with it,
    // or it reads differently.
    int cellGeneration(int cell) const { return generation_[static_cast<std::size_t>(cell)]; }

signals:
    void activated(int cell);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void moveCursor(int rows, int columns);
    void updateCursorMark();
    void announceFocus();
    void tellChangedCells(const MoveOutcome& move);
    void announceBoardChanged();
    // Cell k reads differently from now on: readers get it as a new object, since some (Orca 48)
    // keep what they read of an object and would say its old description again.
    void readAnew(int cell);
    void forgetAnswer();

    const PuzzleGame* game_ = nullptr;
    int cursor_ = -1;
    bool keyboardInUse_ = false;  // the player reached or used the board with the keyboard
    QWidget* cursorMark_ = nullptr;
    int shownSerial_ = -1;     // the serial of the board shown, to tell a new one
    QString answer_;           // what `speak` last said, until the cursor moves or the focus goes
    int answerCell_ = -1;      // the cell it was said with; -1 for the board
    int pressed_ = -1;         // the cell a key or a screen reader is playing, while it plays
    bool howToHeard_ = false;  // a key was pressed on the board in this game
    std::array<int, kCells> generation_{};
};
