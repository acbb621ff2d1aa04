#pragma once

#include <memory>
#include <string>

#include "board/GameScore.h"
#include "board/clsBoard.h"
#include "platform/Int16.h"
#include "platform/RandomSource.h"

enum class GameType { Slide, Swap };

// What acting on a cell did.
struct CellOutcome {
    bool counted = false;        // the move count went up
    bool moved = false;          // tiles changed cells
    bool chosen = false;         // Swap: the cell became the chosen one
    bool choiceCleared = false;  // Swap: the chosen cell is chosen no more
    bool formed = false;         // the picture is whole again

    bool nothing() const { return !counted && !moved && !chosen && !choiceCleared; }
};

// The running game: the board, the rules of both game types, the move count, the clock, Swap's
// chosen tile and the table the score goes to. Cells are numbered 0 to 15 in reading order.
//
// The window drives it step by step (a new board, tiles added one by one, the shuffle, the
// counters reset); deal() does the same in one call.
class PuzzleGame {
public:
    static constexpr int kSide = 4;
    static constexpr int kCells = kSide * kSide;
    static constexpr const char* kSlideTable = "tblSlide";
    static constexpr const char* kSwapTable = "tblSwap";

    struct Clock {
        Int16 hours;
        Int16 minutes;
        Int16 seconds;
    };

    // -- Game type and score table
    GameType type() const { return type_; }
    // The new type applies from the next act and drawing; the score follows it to its table.
    void changeType(GameType type);
    const std::string& scoreTable() const { return scoreTable_; }
    void setScoreTable(const std::string& table) { scoreTable_ = table; }

    // -- Dealing
    // A fresh board of no tiles replaces the previous one; a click still queued for the previous
    // game can tell by the serial.
    void newBoard();
    void sizeBoard();
    // Tile k of a new board: it shows picture cell k, and the last one is the empty tile.
    std::shared_ptr<clsTile> makeTile(int k) const;
    // False when the board is already full.
    [[nodiscard]] bool addTile(Int16 row, Int16 column, std::shared_ptr<clsTile> tile);
    void shuffle(RandomSource& random);
    void resetMoves() { moveCount_ = 0; }
    void resetClock();
    void clearChoice() { selectedIndex_ = -1; }
    // All of the above, for callers that need no numbered steps.
    void deal(RandomSource& random);
    void releaseBoard() { board_.reset(); }

    // -- Playing
    CellOutcome actOn(int cell);
    void tick();
    bool isFormed() const;

    // -- State
    bool hasBoard() const { return board_ != nullptr; }
    clsBoard& board();
    const clsBoard& board() const;
    int cellCount() const;
    int imageAt(int cell) const;
    bool isEmptyAt(int cell) const;
    // Hidden from view: the empty tile in Slide.
    bool isHiddenAt(int cell) const;
    Int16 selectedIndex() const { return selectedIndex_; }
    Int16 moveCount() const { return moveCount_; }
    Int16 elapsedSeconds() const { return elapsedSeconds_; }
    Clock clock() const { return {clockHours_, clockMinutes_, clockSeconds_}; }
    // "hh:mm:ss"; past 24 hours the hours keep counting ("24:00:01").
    std::string clockText() const;
    int tilesAtHome() const;
    double score(bool formedBonus) const;

    // Counters as a long game leaves them, for resuming one and for tests.
    void setMoveCount(Int16 moves) { moveCount_ = moves; }
    void setClock(Int16 elapsed, Clock clock);

    // -- Ending: while a game is being scored and torn down, nothing may act on it.
    int serial() const { return serial_; }
    bool isEnding() const { return ending_; }
    void setEnding(bool ending) { ending_ = ending; }
    // A board to play on, not being ended, and still the game of `serial`.
    bool accepts(int serial) const { return board_ && !ending_ && serial == serial_; }

private:
    CellOutcome slideInto(int cell);
    CellOutcome swapWith(int cell);
    void countMove();

    std::unique_ptr<clsBoard> board_;
    GameType type_ = GameType::Slide;
    Int16 moveCount_ = 0;
    Int16 elapsedSeconds_ = 0;
    Int16 clockHours_ = 0;
    Int16 clockMinutes_ = 0;
    Int16 clockSeconds_ = 0;
    Int16 selectedIndex_ = 0;
    std::string scoreTable_;
    int serial_ = 0;
    bool ending_ = false;
};

// Marks the game as being ended for as long as the ending runs, so that events let through in the
// meantime leave it alone.
class EndingScope {
public:
    explicit EndingScope(PuzzleGame& game) : game_(game) { game_.setEnding(true); }
    ~EndingScope() { game_.setEnding(false); }
    EndingScope(const EndingScope&) = delete;
    EndingScope& operator=(const EndingScope&) = delete;

private:
    PuzzleGame& game_;
};
