#include "board/PuzzleGame.h"

#include <cstdio>
#include <utility>

#include "platform/Failure.h"

void PuzzleGame::changeType(GameType type) {
    type_ = type;
    scoreTable_ = type == GameType::Slide ? kSlideTable : kSwapTable;
}

void PuzzleGame::newBoard() {
    ++serial_;
    board_ = std::make_unique<clsBoard>();
    selectedIndex_ = -1;  // no tile of a new board is chosen, even before the counters reset
}

void PuzzleGame::sizeBoard() {
    board().setBoardSize(kSide, kSide);
}

std::shared_ptr<clsTile> PuzzleGame::makeTile(int k) const {
    return std::make_shared<clsTile>(k, k >= board().totalTiles().value() - 1);
}

bool PuzzleGame::addTile(Int16 row, Int16 column, std::shared_ptr<clsTile> tile) {
    return board().addTile(row, column, std::move(tile));
}

void PuzzleGame::shuffle(RandomSource& random) {
    board().mixTiles(random);
}

void PuzzleGame::resetClock() {
    elapsedSeconds_ = 0;
    clockHours_ = 0;
    clockMinutes_ = 0;
    clockSeconds_ = 0;
}

void PuzzleGame::deal(RandomSource& random) {
    newBoard();
    sizeBoard();
    for (int k = 0; k < kCells; ++k) {
        if (!addTile(k / kSide, k % kSide, makeTile(k))) {
            throw Failure(TAVLORA_TRANSLATABLE("Failure", "Board is already full."));
        }
    }
    shuffle(random);
    resetMoves();
    resetClock();
    clearChoice();
    changeType(type_);
}

clsBoard& PuzzleGame::board() {
    return const_cast<clsBoard&>(std::as_const(*this).board());
}

const clsBoard& PuzzleGame::board() const {
    if (!board_) {
        throw Failure(failures::kObjectNotSet);
    }
    return *board_;
}

MoveOutcome PuzzleGame::actOn(int cell) {
    MoveOutcome outcome = type_ == GameType::Slide ? slideInto(cell) : swapWith(cell);
    outcome.formed = isFormed();
    return outcome;
}

// The tile moves into the empty cell when that lies above, below, or just before or after it in
// reading order; row ends count as neighbours.
MoveOutcome PuzzleGame::slideInto(int cell) {
    clsBoard& b = board();
    const int side = b.totalRows().value();
    MoveOutcome outcome{.piece = pieceAt(cell), .from = cell};
    for (int target : {cell - side, cell + side, cell - 1, cell + 1}) {
        if (b.swapTile(target, Int16(cell))) {
            outcome.kind = MoveOutcome::Kind::Slid;
            outcome.to = target;
            outcome.counted = countMove();
            return outcome;
        }
    }
    outcome.to = cell;
    return outcome;
}

// Every click counts: the first chooses a tile, the second exchanges it with the chosen one.
MoveOutcome PuzzleGame::swapWith(int cell) {
    clsBoard& b = board();
    MoveOutcome outcome{.piece = pieceAt(cell), .from = cell, .to = cell};
    outcome.counted = countMove();
    const int chosen = selectedIndex_.value();
    if (chosen == -1) {
        selectedIndex_ = cell;
        outcome.kind = MoveOutcome::Kind::Chosen;
        return outcome;
    }
    outcome.otherPiece = imageAt(chosen);
    b.swapTile2(cell, selectedIndex_);
    selectedIndex_ = -1;
    outcome.kind = chosen == cell ? MoveOutcome::Kind::Unchosen : MoveOutcome::Kind::Exchanged;
    outcome.to = chosen;
    return outcome;
}

int PuzzleGame::pieceAt(int cell) const {
    return cell >= 0 && cell < cellCount() ? imageAt(cell) : -1;
}

bool PuzzleGame::countMove() {
    // The count stops at 32767 so a marathon game never overflows.
    if (moveCount_ < Int16::kMax) {
        ++moveCount_;
        return true;
    }
    return false;
}

void PuzzleGame::tick() {
    // The score's clock stops counting at 32767 s, so a long game never overflows; the display
    // clock keeps going.
    if (elapsedSeconds_ < Int16::kMax) {
        ++elapsedSeconds_;
    }
    if (clockSeconds_ < 59) {
        ++clockSeconds_;
        return;
    }
    clockSeconds_ = 0;
    if (clockMinutes_ < 59) {
        ++clockMinutes_;
        return;
    }
    clockMinutes_ = 0;
    if (clockHours_ < Int16::kMax) {
        ++clockHours_;
    }
}

bool PuzzleGame::isFormed() const {
    return board().isImageFormed();
}

int PuzzleGame::cellCount() const {
    return board().totalTiles().value();
}

int PuzzleGame::imageAt(int cell) const {
    return board().tileInCell(cell).imageIndex().value();
}

bool PuzzleGame::isEmptyAt(int cell) const {
    return board().tileInCell(cell).isEmpty();
}

bool PuzzleGame::isHiddenAt(int cell) const {
    return type_ == GameType::Slide && isEmptyAt(cell);
}

std::string PuzzleGame::clockText() const {
    char text[32];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", clockHours_.value(), clockMinutes_.value(),
                  clockSeconds_.value());
    return text;
}

int PuzzleGame::tilesAtHome() const {
    const clsBoard& b = board();
    const int rows = b.totalRows().value();
    const int columns = b.totalColumns().value();
    int home = 0;
    int k = 0;
    for (int row = 1; row <= rows; ++row) {
        for (int column = 1; column <= columns; ++column) {
            const auto tile = b.Tile(row, column);
            if (tile && tile->imageIndex() == k) {
                ++home;
            }
            ++k;
        }
    }
    return home;
}

double PuzzleGame::score(bool formedBonus) const {
    const int home = tilesAtHome();
    return gameScore({.moves = moveCount_.value(),
                      .elapsedSeconds = elapsedSeconds_.value(),
                      .tilesAtHome = home,
                      .formed = formedBonus});
}

void PuzzleGame::setClock(Int16 elapsed, Clock clock) {
    elapsedSeconds_ = elapsed;
    clockHours_ = clock.hours;
    clockMinutes_ = clock.minutes;
    clockSeconds_ = clock.seconds;
}
