#pragma once

#include <functional>
#include <vector>

#include "board/PuzzleGame.h"
#include "game/boardview/BoardMotion.h"
#include "game/boardview/TileLabel.h"
#include "platform/PictureClip.h"

class BoardArea;

// The control array of tile labels inside the board area. Control i always shows cell i; element
// 0 lives as long as the window, the others exist per game.
class BoardView {
public:
    // `onClick` hears every click on every element, with the element's index, and every cell the
    // keyboard plays.
    BoardView(BoardArea* boardArea, std::function<void(int)> onClick);

    TileLabel* control(int index) const;  // a Failure when that element does not exist
    bool hasControl(int index) const;
    int controlCount() const;  // elements that exist, element 0 included

    // A new hidden element with the look of element 0.
    void createControl(int index);
    // Element k shows `cell` and takes its size.
    void showCell(int index, const QPixmap& cell);
    QSize controlSize(int index) const;
    // Places an element, counted from the board area's top-left corner inside its border.
    void setControlLeft(int index, int left);
    void setControlTop(int index, int top);

    // Brings every element up to date with the game: element k shows the picture cell of the tile
    // in cell k, the empty tile is hidden in Slide, and the chosen tile is raised.
    void drawBoard(const PuzzleGame& game, PictureClip& clip);
    // The drawing after a press: the board as the game now stands, the tiles the move carried
    // gliding from where they stood (unless motion is off), and the answer for screen readers.
    void showMove(const PuzzleGame& game, PictureClip& clip, const MoveOutcome& move);
    // Runs `then` once nothing moves on the board: at once when nothing does, else later on the
    // window's thread, unless `context` is gone by then.
    void whenStill(QObject* context, const std::function<void()>& then);
    // The board as it looks now, for a fade; null when motion is off.
    QPixmap stillPicture();
    // The board's picture `before` fades into what the board shows now.
    void fadeFrom(const QPixmap& before);
    BoardMotion& motion() { return *motion_; }
    // Hides element 0 and removes elements 1 to `total`.
    void removeTiles(int total);
    // Removes every element but 0, whatever a failed game left behind.
    void removeLeftovers();

    // Where the controls sit: inside the board area's border.
    QPoint origin() const;

private:
    void removeControl(int index);

    TileLabel* makeControl(int index);

    // Every click and every played cell ends the motion first, then plays.
    void play(int index);

    BoardArea* area_;
    BoardMotion* motion_;
    std::function<void(int)> onClick_;
    std::vector<TileLabel*> controls_;  // null where an element does not exist
};
