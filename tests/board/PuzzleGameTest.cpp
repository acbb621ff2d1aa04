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

TEST(PuzzleGame, SlideMovesOnlyANeighbourOfTheEmptyCellRowEndsIncluded) {
    for (int neighbour : {1, 4, 6, 9}) {
        SCOPED_TRACE(neighbour);
        DealtGame d(emptyIn(5));
        const int tile = d.game.imageAt(neighbour);
        const CellOutcome outcome = d.game.actOn(neighbour);
        EXPECT_TRUE(outcome.moved && outcome.counted);
        EXPECT_EQ(d.game.imageAt(5), tile);
        EXPECT_TRUE(d.game.isEmptyAt(neighbour));
        EXPECT_EQ(d.game.moveCount(), 1);
    }
    for (int far : {0, 2, 10, 15}) {
        SCOPED_TRACE(far);
        DealtGame d(emptyIn(5));
        EXPECT_TRUE(d.game.actOn(far).nothing());
        EXPECT_EQ(d.layout(), emptyIn(5));
        EXPECT_EQ(d.game.moveCount(), 0);
    }
    DealtGame rowEnd(emptyIn(3));
    EXPECT_TRUE(rowEnd.game.actOn(4).moved);  // start of row two into the end of row one
    EXPECT_TRUE(rowEnd.game.isEmptyAt(4));
    DealtGame down(emptyIn(4));
    EXPECT_TRUE(down.game.actOn(0).moved);  // the cell above is off the board, so it moves down
    EXPECT_TRUE(down.game.isEmptyAt(0));
    DealtGame distant(emptyIn(0));
    EXPECT_TRUE(distant.game.actOn(15).nothing());  // opposite corners are no neighbours
}

TEST(PuzzleGame, LastSlideFormsThePicture) {
    DealtGame d(emptyIn(14));
    const CellOutcome outcome = d.game.actOn(15);
    EXPECT_TRUE(outcome.moved);
    EXPECT_TRUE(outcome.formed);
    EXPECT_TRUE(d.game.isFormed());
    EXPECT_EQ(d.game.tilesAtHome(), 16);
}

TEST(PuzzleGame, SwapChoosesThenExchangesAndEveryClickCounts) {
    DealtGame d({5, 1, 2, 3, 4, 0, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}, GameType::Swap);
    EXPECT_EQ(d.game.scoreTable(), "tblSwap");
    CellOutcome first = d.game.actOn(0);
    EXPECT_TRUE(first.chosen && first.counted && !first.moved);
    EXPECT_EQ(d.game.selectedIndex(), 0);
    CellOutcome second = d.game.actOn(5);
    EXPECT_TRUE(second.moved && second.choiceCleared && second.formed);
    EXPECT_EQ(d.game.selectedIndex(), -1);
    EXPECT_EQ(d.game.moveCount(), 2);

    // The same tile twice: nothing moves, the choice is cleared, two moves are counted.
    d.game.actOn(15);  // the empty tile takes part like any other
    const CellOutcome again = d.game.actOn(15);
    EXPECT_TRUE(again.choiceCleared && !again.moved);
    EXPECT_TRUE(d.game.isFormed());
    EXPECT_FALSE(d.game.isHiddenAt(15));
    EXPECT_EQ(d.game.moveCount(), 4);
}

TEST(PuzzleGame, ChosenTileSurvivesASwitchToSlideAndBack) {
    DealtGame d({5, 1, 2, 3, 4, 0, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}, GameType::Swap);
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

    DealtGame d({5, 1, 2, 3, 4, 0, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}, GameType::Swap);
    d.game.setMoveCount(32766);
    d.game.actOn(1);
    EXPECT_NO_THROW(d.game.actOn(2));
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

TEST(PuzzleGame, AGameBeingEndedOrReplacedAcceptsNothing) {
    DealtGame d(emptyIn(5));
    const int serial = d.game.serial();
    EXPECT_TRUE(d.game.accepts(serial));
    {
        EndingScope ending(d.game);
        EXPECT_FALSE(d.game.accepts(serial));
    }
    EXPECT_TRUE(d.game.accepts(serial));
    d.game.newBoard();
    EXPECT_FALSE(d.game.accepts(serial));
    d.game.releaseBoard();
    EXPECT_FALSE(d.game.accepts(d.game.serial()));
}

}  // namespace
