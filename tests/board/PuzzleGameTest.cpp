#include <gtest/gtest.h>

#include <vector>

#include "board/PuzzleGame.h"
#include "platform/Failure.h"
#include "platform/SequenceRandom.h"
#include "tests/support/Deals.h"

namespace {

// A game dealt so that cell k holds tile cells[k]; tile 15 is the empty one wherever it lies.
struct DealtGame {
    explicit DealtGame(const std::vector<int>& tileInCell, GameType type = GameType::Slide) {
        // The deal puts tile k into the cell aimed at by its draws.
        std::vector<int> cellOfTile(16);
        for (int cell = 0; cell < 16; ++cell) {
            cellOfTile[static_cast<size_t>(tileInCell[static_cast<size_t>(cell)])] = cell;
        }
        std::vector<double> draws = dealDraws(cellOfTile);
        draws.erase(draws.begin());  // the window's home-page draw
        random = std::make_unique<SequenceRandom>(draws);
        game.changeType(type);
        game.deal(*random);
    }
    std::vector<int> layout() const {
        std::vector<int> images;
        for (int k = 0; k < 16; ++k) {
            images.push_back(game.imageAt(k));
        }
        return images;
    }
    std::unique_ptr<SequenceRandom> random;
    PuzzleGame game;
};

// Tile 15, the empty one, in `cell`; every other tile in reading order around it.
std::vector<int> emptyIn(int cell) {
    std::vector<int> tiles;
    for (int k = 0; k < 15; ++k) {
        tiles.push_back(k);
    }
    tiles.insert(tiles.begin() + cell, 15);
    return tiles;
}

TEST(PuzzleGame, DealFollowsTheDrawsAndResetsTheGame) {
    DealtGame d(emptyIn(5));
    EXPECT_EQ(d.layout(), emptyIn(5));
    EXPECT_TRUE(d.game.isEmptyAt(5));
    EXPECT_TRUE(d.game.isHiddenAt(5));
    EXPECT_FALSE(d.game.isHiddenAt(4));
    EXPECT_EQ(d.game.moveCount(), 0);
    EXPECT_EQ(d.game.selectedIndex(), -1);
    EXPECT_EQ(d.game.scoreTable(), "tblSlide");
    EXPECT_EQ(d.game.clockText(), "00:00:00");
    EXPECT_FALSE(d.game.isFormed());
    EXPECT_EQ(d.random->reseeds() * 2, d.random->draws());
}

using Kind = MoveOutcome::Kind;

// What a press answers, field by field: the kind, the pressed piece, from where to where, whether
// it counted and whether the picture formed.
void expectMove(const MoveOutcome& move, Kind kind, int piece, int from, int to, bool counted,
                bool formed = false) {
    EXPECT_EQ(move.kind, kind);
    EXPECT_EQ(move.piece, piece);
    EXPECT_EQ(move.from, from);
    EXPECT_EQ(move.to, to);
    EXPECT_EQ(move.counted, counted);
    EXPECT_EQ(move.formed, formed);
}

TEST(PuzzleGame, SlideMovesOnlyANeighbourOfTheEmptyCellRowEndsIncluded) {
    const struct {
        int gap;
        int pressed;
        bool moves;
    } cases[] = {
        {5, 1, true},
        {5, 4, true},
        {5, 6, true},
        {5, 9, true},
        {5, 0, false},
        {5, 2, false},
        {5, 10, false},
        {5, 15, false},
        {3, 4, true},    // the start of row two
                         // slides into the end of row
                         // one
        {4, 0, true},    // the cell above is off the board, so it moves down
        {0, 15, false},  // opposite corners are no neighbours
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "gap " << c.gap << ", pressed " << c.pressed);
        DealtGame d(emptyIn(c.gap));
        const int piece = d.game.imageAt(c.pressed);
        const MoveOutcome move = d.game.actOn(c.pressed);
        if (c.moves) {
            expectMove(move, Kind::Slid, piece, c.pressed, c.gap, true);
            EXPECT_EQ(d.game.imageAt(c.gap), piece);
            EXPECT_TRUE(d.game.isEmptyAt(c.pressed));
        } else {
            expectMove(move, Kind::None, piece, c.pressed, c.pressed, false);
            EXPECT_EQ(d.layout(), emptyIn(c.gap));
        }
        EXPECT_EQ(d.game.moveCount(), c.moves ? 1 : 0);
    }
}

TEST(PuzzleGame, LastSlideFormsThePicture) {
    DealtGame d(emptyIn(14));
    expectMove(d.game.actOn(15), Kind::Slid, 14, 15, 14, true, true);
    EXPECT_TRUE(d.game.isFormed());
    EXPECT_EQ(d.game.tilesAtHome(), 16);
}

TEST(PuzzleGame, SwapChoosesThenExchangesAndEveryClickCounts) {
    DealtGame d(kTilesZeroAndFiveExchanged, GameType::Swap);
    EXPECT_EQ(d.game.scoreTable(), "tblSwap");
    expectMove(d.game.actOn(0), Kind::Chosen, 5, 0, 0, true);
    EXPECT_EQ(d.game.selectedIndex(), 0);
    const MoveOutcome exchange = d.game.actOn(5);
    expectMove(exchange, Kind::Exchanged, 0, 5, 0, true, true);
    EXPECT_EQ(exchange.otherPiece, 5);
    EXPECT_EQ(d.game.selectedIndex(), -1);
    EXPECT_EQ(d.game.moveCount(), 2);

    // The same tile twice: nothing moves, the choice is cleared, two moves are counted.
    d.game.actOn(15);  // the empty tile takes part like any other
    expectMove(d.game.actOn(15), Kind::Unchosen, 15, 15, 15, true, true);
    EXPECT_TRUE(d.game.isFormed());
    EXPECT_FALSE(d.game.isHiddenAt(15));
    EXPECT_EQ(d.game.moveCount(), 4);
}

TEST(PuzzleGame, ChosenTileSurvivesASwitchToSlideAndBack) {
    DealtGame d(kTilesZeroAndFiveExchanged, GameType::Swap);
    d.game.actOn(5);
    d.game.changeType(GameType::Slide);
    EXPECT_EQ(d.game.scoreTable(), "tblSlide");
    EXPECT_TRUE(d.game.isHiddenAt(15));
    d.game.changeType(GameType::Swap);
    EXPECT_TRUE(d.game.actOn(0).formed);
}

TEST(PuzzleGame, ClockRollsOverAndCountersStopAtTheTop) {
    PuzzleGame game;
    game.setClock(58, {0, 0, 58});
    game.tick();
    EXPECT_EQ(game.clockText(), "00:00:59");
    game.tick();
    EXPECT_EQ(game.clockText(), "00:01:00");
    game.setClock(3599, {0, 59, 59});
    game.tick();
    EXPECT_EQ(game.clockText(), "01:00:00");
    EXPECT_EQ(game.elapsedSeconds(), 3600);
    game.setClock(32767, {23, 59, 59});
    game.tick();
    EXPECT_EQ(game.clockText(), "24:00:00");
    EXPECT_EQ(game.elapsedSeconds(), 32767);
    game.setClock(32767, {32767, 59, 59});
    EXPECT_NO_THROW(game.tick());
    EXPECT_EQ(game.clock().hours, 32767);

    DealtGame d(kTilesZeroAndFiveExchanged, GameType::Swap);
    d.game.setMoveCount(32766);
    EXPECT_TRUE(d.game.actOn(1).counted);
    EXPECT_FALSE(d.game.actOn(2).counted);
    EXPECT_EQ(d.game.moveCount(), 32767);
}

TEST(PuzzleGame, ScoreCountsMovesSecondsTilesAtHomeAndTheBonus) {
    DealtGame d(emptyIn(14));  // tiles 14 and 15 away from home
    d.game.setMoveCount(60);
    d.game.setClock(100, {0, 1, 40});
    EXPECT_EQ(d.game.tilesAtHome(), 14);
    EXPECT_DOUBLE_EQ(d.game.score(false), 30 + 14 * 30);
    EXPECT_DOUBLE_EQ(d.game.score(true), 30 + 100 + 14 * 30);
    d.game.releaseBoard();
    EXPECT_THROW(d.game.score(false), Failure);
}

TEST(GameScore, FormedGameOf120MovesIn240SecondsScores605AndOneSecondAtLeast) {
    EXPECT_EQ(gameScore({.moves = 120, .elapsedSeconds = 240, .tilesAtHome = 16, .formed = true}),
              605.0);
    EXPECT_EQ(gameScore({.moves = 5, .elapsedSeconds = 80, .tilesAtHome = 16, .formed = true}),
              583.125);
    EXPECT_EQ(gameScore({.moves = 7, .elapsedSeconds = 0, .tilesAtHome = 3}),
              gameScore({.moves = 7, .elapsedSeconds = 1, .tilesAtHome = 3}));
    EXPECT_EQ(gameScore({.moves = 60, .elapsedSeconds = 100, .tilesAtHome = 0}), 30.0);
}

TEST(PuzzleGame, EveryNewBoardHasASerialOfItsOwn) {
    DealtGame d(emptyIn(5));
    const int serial = d.game.serial();
    d.game.newBoard();
    EXPECT_NE(d.game.serial(), serial);
}

}  // namespace
