#include <QFile>

#include "platform/Failure.h"

#include "tests/game/window/GameFixture.h"

namespace {

// Swap: tiles 0 and 5 exchanged.

class PlayTest : public GameTest {
protected:
    void startSlide() {
        openWindow(dealDraws(kBottomRowShifted));
        loadPicture();
        startGame();
    }
    void startSwap() {
        openWindow(dealDraws(kTilesZeroAndFiveExchanged));
        selectSwap();
        loadPicture();
        startGame();
    }
    bool congratulated() const {
        for (const auto& m : dialogs.messages) {
            if (m.text == "Congratulation!!! You had form the image.") {
                return m.title.empty() && m.icon == MessageIcon::None;
            }
        }
        return false;
    }
    void expectNoGame() {
        EXPECT_EQ(form->PushButton2->text(), "Start Game");
        EXPECT_TRUE(form->PushButton1->isEnabled());
        EXPECT_EQ(form->timerInterval(), 0);
        EXPECT_FALSE(form->game().hasBoard());
        EXPECT_EQ(visibleTiles(), 0);
        EXPECT_EQ(form->boardView().controlCount(), 1);
    }
};

TEST_F(PlayTest, StartGameWithoutPictureDoesNothing) {
    openWindow();
    click(form->PushButton2);
    EXPECT_EQ(form->PushButton2->text(), "Start Game");
    EXPECT_TRUE(form->PushButton1->isEnabled());
    EXPECT_EQ(form->timerInterval(), 0);
    EXPECT_FALSE(form->game().hasBoard());
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(PlayTest, StartGameDealsTheBoardAndStartsTheClock) {
    startSlide();
    EXPECT_EQ(form->PushButton2->text(), "End Game");
    EXPECT_FALSE(form->PushButton1->isEnabled());
    EXPECT_EQ(form->timerInterval(), 1000);
    EXPECT_EQ(form->boardView().controlCount(), 17);
    EXPECT_FALSE(form->boardView().control(16)->isVisible());
    EXPECT_EQ(form->boardView().control(16)->pos(), QPoint(1, 401));
    EXPECT_EQ(visibleTiles(), 15);
    EXPECT_FALSE(form->boardView().control(12)->isVisible());  // the empty cell
    for (int k = 0; k < 16; ++k) {
        EXPECT_EQ(form->boardView().control(k)->geometry(),
                  QRect(1 + (k % 4) * 100, 1 + (k / 4) * 100, 100, 100));
        const int image = form->game().imageAt(k);
        EXPECT_EQ(image, k < 12 ? k : (k == 12 ? 15 : k - 1));
        EXPECT_EQ(shownCell(k), image);
        EXPECT_FALSE(form->boardView().control(k)->isThreeDimensional());
    }
    EXPECT_EQ(form->game().selectedIndex(), -1);
    EXPECT_EQ(form->game().scoreTable(), "tblSlide");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(PlayTest, ClockCountsAndRollsOver) {
    startSlide();
    EXPECT_EQ(form->txtTimer->text(), "00:00:00");
    tick();
    EXPECT_EQ(form->txtTimer->text(), "00:00:01");
    EXPECT_EQ(form->game().elapsedSeconds(), 1);
    form->game().setClock(59, {0, 0, 59});
    tick();
    EXPECT_EQ(form->txtTimer->text(), "00:01:00");
    form->game().setClock(3599, {0, 59, 59});
    tick();
    EXPECT_EQ(form->txtTimer->text(), "01:00:00");
    EXPECT_EQ(form->game().elapsedSeconds(), 3600);
    form->game().setClock(3600 + 120 + 4, {1, 2, 4});
    tick();
    EXPECT_EQ(form->txtTimer->text(), "01:02:05");
    form->game().setClock(32767, {23, 59, 59});
    tick();
    EXPECT_EQ(form->txtTimer->text(), "24:00:00");
    EXPECT_EQ(form->game().elapsedSeconds(), 32767);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(PlayTest, SlideGamePlayedToTheFormedPicture) {
    startSlide();
    form->game().setMoveCount(117);
    tick(240);
    EXPECT_EQ(form->txtTimer->text(), "00:04:00");

    clickTile(0);  // no neighbour is empty: nothing moves, but the box is written
    EXPECT_EQ(form->txtMoves->text(), "117");
    clickTile(13);  // into the empty cell before it
    EXPECT_EQ(form->txtMoves->text(), "118");
    EXPECT_FALSE(form->boardView().control(13)->isVisible());
    EXPECT_EQ(shownCell(12), 12);
    clickTile(14);
    EXPECT_EQ(form->txtMoves->text(), "119");
    dialogs.textReplies.push_back("Ada");
    clickTile(15);

    EXPECT_EQ(form->txtMoves->text(), "120");
    EXPECT_EQ(form->txtScore->text(), "605.00");
    EXPECT_TRUE(congratulated());
    ASSERT_EQ(dialogs.questions.size(), 1u);
    EXPECT_EQ(dialogs.questions[0].prompt, "You've got high score.\r\nEnter your name: ");
    EXPECT_EQ(dialogs.questions[0].title, "High Score");
    EXPECT_EQ(dialogs.log.back(),
              "message: |Congratulation!!! You had form the image.");  // after the name
    const auto rows = table("tblSlide");
    EXPECT_EQ(rows.back().name, "Ada");
    EXPECT_DOUBLE_EQ(rows.back().score, 605.0);
    EXPECT_EQ(rows.front().score, 0.0);
    EXPECT_EQ(form->picBack->pixmap().toImage().pixelColor(350, 350), testfiles::cellColor(15));
    expectNoGame();
    EXPECT_TRUE(dialogs.errorReports().empty());

    // Removed controls are really gone once the click has returned.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(form->picBack->findChildren<TileLabel*>().size(), 1);
}

TEST_F(PlayTest, SwapGamePlayedToTheFormedPicture) {
    startSwap();
    EXPECT_EQ(visibleTiles(), 16);
    EXPECT_EQ(shownCell(15), 15);  // the empty tile is shown in "Swap"
    tick(10);

    clickTile(0);
    EXPECT_EQ(form->txtMoves->text(), "1");
    EXPECT_TRUE(form->boardView().control(0)->isThreeDimensional());
    clickTile(0);  // the chosen tile again: nothing changes but the choice is cleared
    EXPECT_EQ(form->txtMoves->text(), "2");
    EXPECT_FALSE(form->boardView().control(0)->isThreeDimensional());
    EXPECT_EQ(shownCell(0), 5);

    clickTile(5);
    EXPECT_TRUE(form->boardView().control(5)->isThreeDimensional());
    dialogs.textReplies.push_back("Grace");
    clickTile(0);
    EXPECT_EQ(form->txtMoves->text(), "4");
    // 4 moves in 10 s: 4 / 10 x 50 + 100 + 16 x 30
    EXPECT_EQ(form->txtScore->text(), "600.00");
    EXPECT_TRUE(congratulated());
    EXPECT_EQ(table("tblSwap").back().name, "Grace");
    EXPECT_EQ(table("tblSlide").back().name, "");
    expectNoGame();
}

// Every press is a click, as players have always had it: a double-click is two.
TEST_F(PlayTest, ADoubleClickOnATileIsTwoClicks) {
    startSwap();
    // As the window system delivers it: a click, then a second press reported as a double-click.
    QWidget* tile = form->boardView().control(0);
    QTest::mouseClick(tile, Qt::LeftButton);
    QTest::mouseDClick(tile, Qt::LeftButton);
    QTest::mouseRelease(tile, Qt::LeftButton);
    EXPECT_EQ(form->txtMoves->text(), "2");
    EXPECT_FALSE(form->boardView().control(0)->isThreeDimensional());
    EXPECT_EQ(shownCell(0), 5);
}

TEST_F(PlayTest, EndGameScoresWithoutBonusAndReturnsToNoGame) {
    startSlide();
    tick(10);
    clickTile(13);
    dialogs.textReplies.push_back("Lin");
    click(form->PushButton2);
    // 1 move in 10 s, 13 tiles at home: 5 + 390
    EXPECT_EQ(form->txtScore->text(), "395.00");
    EXPECT_EQ(table("tblSlide").back().name, "Lin");
    EXPECT_DOUBLE_EQ(table("tblSlide").back().score, 395.0);
    EXPECT_FALSE(congratulated());
    expectNoGame();
    EXPECT_TRUE(form->Frame2->isEnabled());
    EXPECT_TRUE(dialogs.errorReports().empty());
}

TEST_F(PlayTest, EndGameAtOnceCountsThisGamesMovesAndOneSecond) {
    startSlide();
    clickTile(13);
    click(form->PushButton2);
    // A second game ended before its first click: the moves box still shows 1, but the game
    // itself made no move, and less than a second counts as one.
    startGame();
    EXPECT_EQ(form->txtMoves->text(), "1");
    int home = 0;
    for (int k = 0; k < 16; ++k) {
        home += form->game().imageAt(k) == k ? 1 : 0;
    }
    click(form->PushButton2);
    EXPECT_TRUE(dialogs.errorReports().empty());
    EXPECT_EQ(form->txtScore->text().toDouble(), 30.0 * home);
    expectNoGame();
}

TEST_F(PlayTest, SwitchingTypeMidGameTakesEffectAtTheNextClickAndPicksTheTable) {
    startSlide();
    tick(5);
    selectSwap();
    EXPECT_EQ(form->game().scoreTable(), "tblSwap");
    EXPECT_EQ(visibleTiles(), 15);  // not redrawn yet
    clickTile(3);
    EXPECT_EQ(visibleTiles(), 16);
    EXPECT_TRUE(form->boardView().control(3)->isThreeDimensional());
    click(form->Option1);
    clickTile(13);  // "Slide" again: the tile moves into the empty cell
    EXPECT_EQ(visibleTiles(), 15);
    EXPECT_TRUE(form->boardView().control(3)->isThreeDimensional());  // still chosen
    selectSwap();
    clickTile(3);  // exchanges the chosen tile with itself and clears the choice
    EXPECT_FALSE(form->boardView().control(3)->isThreeDimensional());
    dialogs.textReplies.push_back("Mid");
    click(form->PushButton2);
    EXPECT_EQ(table("tblSwap").back().name, "Mid");
    EXPECT_EQ(table("tblSlide").back().name, "");
}

TEST_F(PlayTest, UnwritableScoreFileIsReportedAndTheGameStillEnds) {
    startSlide();
    tick(3);
    clickTile(13);
    clickTile(14);
    ASSERT_TRUE(QFile::remove(folderPath("/hiscore.mdb")));
    clickTile(15);
    const auto reports = dialogs.errorReports();
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_NE(reports[0].text.find("hiscore.mdb"), std::string::npos);
    EXPECT_NE(reports[0].text.find("in Tavlora2021/08/31.Form1.imgTile_Click at line 122"),
              std::string::npos);
    EXPECT_TRUE(congratulated());
    expectNoGame();
    EXPECT_FALSE(QFile::exists(folderPath("/hiscore.mdb")));
}

// A window whose score cannot be worked out when its game ends.
class ScorelessForm : public Form1 {
public:
    using Form1::Form1;

protected:
    double computeScore(bool /*formedBonus*/) const override { throw Failure("Overflow"); }
};

class ScorelessPlayTest : public PlayTest {
protected:
    std::unique_ptr<Form1> makeForm(Form1Services services) override {
        return std::make_unique<ScorelessForm>(services);
    }
};

TEST_F(ScorelessPlayTest, ScoreThatCannotBeWorkedOutIsNeitherShownNorOffered) {
    startSlide();
    tick(3);
    clickTile(13);
    clickTile(14);
    clickTile(15);
    const auto reports = dialogs.errorReports();
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].text.rfind(
                  "Overflow\r\nin Tavlora2021/08/31.Form1.imgTile_Click at line 112\r\r", 0),
              0u);
    EXPECT_EQ(form->txtScore->text(), "0");
    EXPECT_TRUE(dialogs.questions.empty());
    for (const char* name : {"tblSlide", "tblSwap"}) {
        for (const ScoreRow& row : table(name)) {
            EXPECT_EQ(row.score, 0.0);
            EXPECT_EQ(row.name, "");
        }
    }
    EXPECT_TRUE(congratulated());
    expectNoGame();
}

TEST_F(PlayTest, EventsDuringTheNameBoxCannotTouchTheEndingGame) {
    startSlide();
    tick(3);
    clickTile(13);
    clickTile(14);
    int reentered = 0;
    dialogs.whileAsking = [&] {
        ++reentered;
        form->imgTile_Click(5);
        form->PushButton2_Click();
        form->Timer1_Timer();
    };
    dialogs.textReplies.push_back("Re");
    clickTile(15);
    EXPECT_EQ(reentered, 1);
    EXPECT_TRUE(congratulated());
    EXPECT_TRUE(dialogs.errorReports().empty());
    EXPECT_EQ(dialogs.questions.size(), 1u);
    expectNoGame();
}

TEST_F(PlayTest, ATileChosenWhenAGameEndsIsNotChosenInTheNext) {
    startSwap();
    tick(2);
    clickTile(7);
    click(form->PushButton2);  // "End Game" with tile 7 chosen
    startGame();
    for (int k = 0; k < 16; ++k) {
        EXPECT_FALSE(form->boardView().control(k)->isThreeDimensional()) << k;
    }
    EXPECT_EQ(form->game().selectedIndex(), -1);
}

TEST_F(PlayTest, NewGameReplacesLeftoverTileControls) {
    startSlide();
    form->newGame();
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(form->boardView().controlCount(), 17);
    EXPECT_EQ(visibleTiles(), 15);
}

TEST_F(PlayTest, SecondGameKeepsTheBoxesUntilItsFirstClickAndTick) {
    startSlide();
    tick(2);
    clickTile(13);
    click(form->PushButton2);
    const QString score = form->txtScore->text();
    startGame();
    EXPECT_EQ(form->txtMoves->text(), "1");
    EXPECT_EQ(form->txtTimer->text(), "00:00:02");
    EXPECT_EQ(form->txtScore->text(), score);
    EXPECT_TRUE(form->picBack->pixmap().isNull());
    tick();
    EXPECT_EQ(form->txtTimer->text(), "00:00:01");
    clickTile(0);
    EXPECT_EQ(form->txtMoves->text(), "0");
}

}  // namespace
