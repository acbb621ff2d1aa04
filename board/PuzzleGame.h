#pragma once

#include <memory>
#include <string>

#include "board/GameScore.h"
#include "board/clsBoard.h"
#include "platform/Int16.h"
#include "platform/RandomSource.h"

enum class GameType { Slide, Swap };

// What one press on a cell did, as the game decided it. Whatever shows or tells a move (drawing,
// motion, sound, speech) reads this answer; none of them works the move out again.
struct MoveOutcome {
    enum class Kind {
        None,       // Slide: no neighbour holds the gap, so nothing moved and nothing counted
        Slid,       // Slide: `piece` went from `from` into the gap at `to`
        Chosen,     // Swap: the tile at `from` is now the chosen one
        Exchanged,  // Swap: `piece` went from `from` to `to`, and `otherPiece` the other way
        Unchosen,   // Swap: the chosen tile was pressed again; nothing moved
    };
    Kind kind = Kind::None;
    int piece = -1;        // the piece of the pressed cell
    int otherPiece = -1;   // Exchanged: the piece it changed places with
    int from = -1;         // the pressed cell
    int to = -1;           // the cell the pressed piece is in now
    bool counted = false;  // the move count went up (it stops at its largest value)
    bool formed = false;   // the picture is whole again

    bool moved() const { return kind == Kind::Slid || kind == Kind::Exchanged; }
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
    // Plays `cell` by the rules of the current game type.
    MoveOutcome actOn(int cell);
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

    // Changes with every new board: a press queued for an earlier game can tell it is stale.
    int serial() const { return serial_; }

private:
    MoveOutcome slideInto(int cell);
    MoveOutcome swapWith(int cell);
    bool countMove();
    int pieceAt(int cell) const;  // -1 outside the board

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
};
