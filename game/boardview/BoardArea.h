#pragma once

#include <QLabel>
#include <QStringList>

class PuzzleGame;

// The board area: it holds the tile controls and, once the game is over, the whole picture. While
// a game runs it takes the keyboard: the arrow keys move a cursor over the cells, Space or Enter
// plays the cell under it as a click would. Screen readers see its cells as buttons named after
// the piece each one shows (BoardAccessible), and the cursor is their focus.
class BoardArea : public QLabel {
    Q_OBJECT
public:
    static constexpr int kSide = 4;
    static constexpr int kCellSide = 100;  // logical pixels

    explicit BoardArea(QWidget* parent);

    // Shows `game` (called after every drawing). The first drawing of a game puts the cursor on
    // the top-left cell and takes the keyboard focus.
    void showGame(const PuzzleGame& game);
    // No game any more: the cursor goes, the focus stays where it is.
    void hideGame();
    // The game shown, or null when none runs.
    const PuzzleGame* game() const { return game_; }

    int cursorCell() const { return cursor_; }
    void setCursorCell(int cell);
    // Where cell k lies inside the area, in logical pixels.
    QRect cellRect(int cell) const;
    // Plays cell k as a click on its tile would.
    void activate(int cell);

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
    void announceChanges();

    const PuzzleGame* game_ = nullptr;
    int cursor_ = -1;
    QWidget* cursorMark_ = nullptr;
    QStringList announced_;  // what screen readers were last told of each cell
};
