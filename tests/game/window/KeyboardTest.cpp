#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QElapsedTimer>
#include <QInputDialog>
#include <QMessageBox>
#include <QWindow>

#include "platform/QtDialogs.h"

#include "tests/game/window/GameFixture.h"

namespace {

// Slide: the empty tile in cell 5, tiles 0 to 4 and 6 to 14 around it in order.
const std::vector<int> kEmptyInFive{0, 1, 2, 3, 4, 15, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14};

class KeyboardTest : public GameTest {
protected:
    void start(const std::vector<int>& deal, bool swap = false) {
        std::vector<int> cellOfTile(16);
        for (int cell = 0; cell < 16; ++cell) {
            cellOfTile[static_cast<size_t>(deal[static_cast<size_t>(cell)])] = cell;
        }
        openWindow(dealDraws(cellOfTile));
        activateWindow();
        if (swap) {
            selectSwap();
        }
        loadPicture();
        pressStart(Qt::Key_Space);
    }
    void pressStart(Qt::Key k) {
        form->PushButton2->setFocus(Qt::TabFocusReason);
        QTest::keyClick(form->PushButton2, k);
    }
    void key(Qt::Key k, int times = 1) {
        for (int i = 0; i < times; ++i) {
            QTest::keyClick(QApplication::focusWidget(), k);
        }
        settle();
    }
    int cursor() const { return form->picBack->cursorCell(); }
    QAccessibleInterface* board() const {
        return QAccessible::queryAccessibleInterface(form->picBack);
    }
    QString cellName(int cell) const { return board()->child(cell)->text(QAccessible::Name); }
    QString cellDescription(int cell) const {
        return board()->child(cell)->text(QAccessible::Description);
    }
};

TEST_F(KeyboardTest, GameStartGivesTheBoardTheFocusAndArrowsStopAtTheEdges) {
    openWindow();
    EXPECT_EQ(form->picBack->focusPolicy(), Qt::TabFocus);
    start(kEmptyInFive);
    EXPECT_EQ(QApplication::focusWidget(), form->picBack);
    EXPECT_EQ(form->picBack->focusPolicy(), Qt::TabFocus);  // the mouse never moves it here
    EXPECT_EQ(cursor(), 0);
    EXPECT_TRUE(form->picBack->cursorShown());
    key(Qt::Key_Left);
    key(Qt::Key_Up);
    EXPECT_EQ(cursor(), 0);
    key(Qt::Key_Right, 5);
    EXPECT_EQ(cursor(), 3);
    key(Qt::Key_Down, 5);
    EXPECT_EQ(cursor(), 15);
    key(Qt::Key_Left);
    EXPECT_EQ(cursor(), 14);
    clickTile(9);  // the mouse moves the cursor too, and hides it until the next key
    EXPECT_EQ(cursor(), 9);
    EXPECT_FALSE(form->picBack->cursorShown());
    EXPECT_EQ(QApplication::focusWidget(), form->picBack);
    EXPECT_EQ(form->game().moveCount(), 1);
    key(Qt::Key_Right);
    EXPECT_EQ(cursor(), 10);
    EXPECT_TRUE(form->picBack->cursorShown());

    // Enter starts a game from the keyboard as Space does.
    pressStart(Qt::Key_Return);  // "End Game"
    ASSERT_EQ(form->PushButton2->text(), "Start Game");
    pressStart(Qt::Key_Return);
    EXPECT_EQ(form->PushButton2->text(), "End Game");
    EXPECT_EQ(QApplication::focusWidget(), form->picBack);
    EXPECT_EQ(cursor(), 0);
    EXPECT_TRUE(form->picBack->cursorShown());
}

TEST_F(KeyboardTest, MouseStartedGameShowsNoCursorUntilTheKeyboardIsUsedOnTheBoard) {
    openWindow();
    activateWindow();
    selectSwap();
    loadPicture();
    startGame();
    EXPECT_EQ(QApplication::focusWidget(), form->PushButton2);
    EXPECT_FALSE(form->picBack->cursorShown());
    clickTile(6);  // chosen: the raised edge alone marks it
    EXPECT_TRUE(form->boardView().control(6)->isThreeDimensional());
    EXPECT_FALSE(form->picBack->cursorShown());
    clickTile(2);
    EXPECT_FALSE(form->picBack->cursorShown());
    EXPECT_EQ(QApplication::focusWidget(), form->PushButton2);
    EXPECT_EQ(form->game().moveCount(), 2);

    // Tab onto the board shows the cursor where the last click was.
    form->PushButton3->setFocus(Qt::OtherFocusReason);
    key(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), form->picBack);
    EXPECT_EQ(cursor(), 2);
    EXPECT_TRUE(form->picBack->cursorShown());
    EXPECT_TRUE(board()->child(2)->state().focused);
    clickTile(7);
    EXPECT_FALSE(form->picBack->cursorShown());
    key(Qt::Key_Space);  // the key plays the clicked cell and shows the cursor there
    EXPECT_TRUE(form->picBack->cursorShown());
    EXPECT_EQ(cursor(), 7);
    EXPECT_EQ(form->game().moveCount(), 4);
}

TEST_F(KeyboardTest, SpaceAndEnterPlayTheCursorsCellAndTheGapDoesNothing) {
    start(kEmptyInFive);
    key(Qt::Key_Down);
    key(Qt::Key_Right);  // onto the gap
    key(Qt::Key_Space);
    EXPECT_EQ(form->txtMoves->text(), "0");
    EXPECT_EQ(form->game().moveCount(), 0);
    key(Qt::Key_Right);
    key(Qt::Key_Return);  // cell 6 slides into the gap
    EXPECT_EQ(form->txtMoves->text(), "1");
    EXPECT_TRUE(form->game().isEmptyAt(6));
    EXPECT_FALSE(form->boardView().control(6)->isVisible());
    QTest::keyClick(form->picBack, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(form->txtMoves->text(), "1");  // the cursor now rests on the gap
    // A held key plays its cell once.
    key(Qt::Key_Left);
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ", true);
    QApplication::sendEvent(form->picBack, &repeat);
    EXPECT_EQ(form->game().moveCount(), 1);
}

TEST_F(KeyboardTest, SwapGameFinishedFromTheKeyboardAloneWithNamesToGoBy) {
    start(kTilesZeroAndFiveExchanged, true);
    EXPECT_EQ(board()->text(QAccessible::Name), "Puzzle board");
    ASSERT_EQ(board()->childCount(), 16);
    EXPECT_EQ(cellName(0), "Row 1, column 1: piece 6");
    // Entering the board the first time in a game, the reader hears how to play with the cell.
    EXPECT_EQ(cellDescription(0),
              "belongs in row 2, column 2. Arrow keys move between the tiles; Space or Enter "
              "plays the tile; M says the moves and the time");
    EXPECT_EQ(cellDescription(1), "in place");
    EXPECT_EQ(board()->text(QAccessible::Description), "");
    EXPECT_TRUE(board()->child(0)->state().focused);
    EXPECT_EQ(board()->focusChild(), board()->child(0));
    tick(4);
    const QAccessible::Id before = QAccessible::uniqueId(board()->child(0));
    key(Qt::Key_Space);
    EXPECT_EQ(cellName(0), "Row 1, column 1: piece 6, chosen");
    EXPECT_EQ(cellDescription(0), "belongs in row 2, column 2");
    // The pressed cell is handed to readers anew, so one already on it reads it again.
    EXPECT_NE(QAccessible::uniqueId(board()->child(0)), before);
    EXPECT_TRUE(board()->child(0)->state().selected);
    EXPECT_TRUE(form->boardView().control(0)->isThreeDimensional());
    key(Qt::Key_Down);
    key(Qt::Key_Right);
    EXPECT_TRUE(board()->child(5)->state().focused);
    EXPECT_FALSE(board()->child(0)->state().focused);
    // Keys while the name box is open go to it, not to the ending game.
    dialogs.whileAsking = [&] {
        QTest::keyClick(form->picBack, Qt::Key_Space);
        QTest::keyClick(form->picBack, Qt::Key_Left);
    };
    dialogs.textReplies.push_back("Key");
    key(Qt::Key_Space);
    EXPECT_EQ(form->txtMoves->text(), "2");
    EXPECT_EQ(form->txtScore->text(), "605.00");  // 2 moves in 4 s: 25 + 100 + 480
    ASSERT_EQ(dialogs.questions.size(), 1u);
    EXPECT_EQ(dialogs.questions[0].readerNote, "Score 605.00, moves: 2, time 00:00:04");
    EXPECT_EQ(dialogs.messages.back().readerNote, "");  // heard once, with the name box
    EXPECT_EQ(table("tblSwap").back().name, "Key");
    EXPECT_EQ(form->PushButton2->text(), "Start Game");
    EXPECT_EQ(board()->childCount(), 0);
    EXPECT_TRUE(dialogs.errorReports().empty());
}

TEST_F(KeyboardTest, SlideGapAndTilesReadTheirPlaceAndPressPlaysACell) {
    start(kEmptyInFive);
    EXPECT_EQ(cellName(5), "Row 2, column 2: the gap");
    EXPECT_EQ(cellDescription(5), "");
    EXPECT_EQ(cellName(6), "Row 2, column 3: piece 6");
    EXPECT_EQ(cellDescription(6), "belongs in row 2, column 2");
    auto* press = board()->child(6)->actionInterface();
    ASSERT_NE(press, nullptr);
    press->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(form->game().moveCount(), 0);  // the reader has its answer before the move
    QApplication::processEvents();
    EXPECT_EQ(cellName(5), "Row 2, column 2: piece 6");
    EXPECT_EQ(cellDescription(5), "in place");
    EXPECT_EQ(cellName(6), "Row 2, column 3: the gap");
    EXPECT_EQ(cursor(), 6);
    EXPECT_EQ(form->game().moveCount(), 1);

    for (auto [box, caption] : {std::pair{form->txtMoves, "Moves"},
                                {form->txtTimer, "Timer"},
                                {form->txtScore, "Score"}}) {
        // A plain text: the caption is the frame's, the whole value is the name, and there is no
        // text to select or to follow as the clock runs.
        auto* read = QAccessible::queryAccessibleInterface(box);
        EXPECT_EQ(read->role(), QAccessible::StaticText);
        EXPECT_EQ(read->text(QAccessible::Description), caption);
        EXPECT_EQ(read->text(QAccessible::Name), box->text());
        EXPECT_EQ(read->text(QAccessible::Value), box->text());
        EXPECT_EQ(read->textInterface(), nullptr);
    }
    EXPECT_EQ(QAccessible::queryAccessibleInterface(form->PushButton2)->text(QAccessible::Name),
              "End Game");
}

TEST_F(KeyboardTest, EveryKeyOnTheBoardIsAnsweredWithTheCellUnderTheCursor) {
    start(kEmptyInFive);
    EXPECT_TRUE(cellDescription(0).endsWith(
        "the time. A tile moves into the gap when the gap is above, below, before or after it; "
        "the last cell of a row and the first of the next are neighbours"))
        << cellDescription(0).toStdString();
    key(Qt::Key_Up);
    EXPECT_EQ(cellDescription(0), "in place. Edge of the board");
    key(Qt::Key_Right, 3);
    EXPECT_EQ(cellDescription(3), "in place");  // the answer and how to play were heard
    tick(2);
    key(Qt::Key_Space);
    EXPECT_EQ(cellDescription(3), "in place. Not next to the gap");
    EXPECT_EQ(form->game().moveCount(), 0);
    key(Qt::Key_Down);
    key(Qt::Key_Left);
    const QAccessible::Id before = QAccessible::uniqueId(board()->child(6));
    const QAccessible::Id gapBefore = QAccessible::uniqueId(board()->child(5));
    key(Qt::Key_Space);
    EXPECT_EQ(cellName(6), "Row 2, column 3: the gap");
    EXPECT_EQ(cellDescription(6), "Piece 6 moved to row 2, column 2");
    // Each cell that reads differently is a new object, for readers that keep what they read of
    // one: the pressed cell, the one the piece went to, and a cell whose answer was heard.
    EXPECT_NE(QAccessible::uniqueId(board()->child(6)), before);
    EXPECT_NE(QAccessible::uniqueId(board()->child(5)), gapBefore);
    QTest::keyClick(form->picBack, Qt::Key_M);
    EXPECT_EQ(cellDescription(6), "Moves: 1, time 00:00:02");
    const QAccessible::Id answered = QAccessible::uniqueId(board()->child(6));
    // A row end and the next row's start are neighbours: the gap goes from 6 to 7 and on to 8.
    key(Qt::Key_Right);
    EXPECT_NE(QAccessible::uniqueId(board()->child(6)), answered);
    key(Qt::Key_Space);
    key(Qt::Key_Down);
    key(Qt::Key_Left, 3);
    key(Qt::Key_Space);
    EXPECT_EQ(cellDescription(8), "Piece 8 moved to row 2, column 4");
    // Leaving the board forgets the answer; ending the game leaves a board with nothing on it.
    key(Qt::Key_Tab);
    EXPECT_EQ(cellDescription(8), "");
    pressStart(Qt::Key_Space);
    EXPECT_EQ(board()->text(QAccessible::Description), "No game is running");
    EXPECT_EQ(dialogs.questions.back().readerNote,
              "Score " + form->txtScore->text().toStdString() + ", moves: 3, time 00:00:02");
    // The score went with the name box, not a second time on its own.
    EXPECT_EQ(dialogs.toldReaders, std::vector<std::string>{"Picture picture-400x400.png loaded"});
}

// What has no box of its own is told to screen readers at once, and the window shows nothing of
// it: a refused start, a picture loaded, the score of an ended game that no table took.
TEST_F(KeyboardTest, RefusalsLoadsAndScoresWithoutABoxAreToldToReaders) {
    {
        ScoreDatabase database;
        database.openScoreDatabase(folderPath("/hiscore.mdb"));
        for (int id = 1; id <= 10; ++id) {
            database.updateRow("tblSlide", id, 9999.0, "Ada");
        }
    }
    openWindow();
    activateWindow();
    pressStart(Qt::Key_Space);
    EXPECT_EQ(form->PushButton2->text(), "Start Game");
    EXPECT_EQ(dialogs.toldReaders, std::vector<std::string>{"No picture is loaded"});
    testfiles::writeBytes(folderPath("/notes.jpg"), "just some text, not a picture");
    dialogs.fileReplies.push_back(folderPath("/notes.jpg").toStdString());
    click(form->PushButton1);
    EXPECT_EQ(dialogs.errorReports().size(), 1u);
    EXPECT_EQ(dialogs.toldReaders.size(), 1u);  // a picture that failed is not called loaded
    loadPicture();
    EXPECT_EQ(dialogs.toldReaders.back(), "Picture picture-400x400.png loaded");
    pressStart(Qt::Key_Space);
    tick();
    pressStart(Qt::Key_Space);
    EXPECT_TRUE(dialogs.questions.empty());
    EXPECT_EQ(dialogs.toldReaders.back(),
              "Score " + form->txtScore->text().toStdString() + ", moves: 0, time 00:00:01");
    EXPECT_EQ(dialogs.toldReaders.size(), 3u);
}

// A screen reader presses through AT-SPI, which calls doAction and waits for it to return.
void press(QWidget* widget, const QString& action = QAccessibleActionInterface::pressAction()) {
    QAccessible::queryAccessibleInterface(widget)->actionInterface()->doAction(action);
}

TEST_F(KeyboardTest, ReaderPressThatFormsThePictureReturnsBeforeTheBoxesWhichShutOutEveryWayIn) {
    start(kTilesZeroAndFiveExchanged, true);
    tick(4);
    auto pressCell = [&](int cell) {
        board()->child(cell)->actionInterface()->doAction(
            QAccessibleActionInterface::pressAction());
    };
    pressCell(0);
    QApplication::processEvents();
    EXPECT_EQ(form->game().moveCount(), 1);

    dialogs.log.clear();  // the file box
    std::vector<std::string> logWhileAsking;
    dialogs.whileAsking = [&] {
        press(form->PushButton3);  // "High Scores"
        press(form->PushButton2);  // "End Game"
        press(form->Option1);
        press(form->Option1, QAccessibleActionInterface::toggleAction());
        QTest::qWait(250);  // past the pressed buttons' click animation
        logWhileAsking = dialogs.log;
    };
    dialogs.textReplies.push_back("Reader");
    pressCell(5);
    EXPECT_TRUE(dialogs.log.empty());
    EXPECT_EQ(form->PushButton2->text(), "End Game");
    settle();

    ASSERT_EQ(logWhileAsking.size(), 1u);  // the name box alone
    EXPECT_EQ(logWhileAsking[0].rfind("ask: ", 0), 0u);
    EXPECT_TRUE(form->Option2->isChecked());
    EXPECT_FALSE(form->Option1->isChecked());
    EXPECT_EQ(form->game().type(), GameType::Swap);
    ASSERT_EQ(dialogs.log.size(), 2u);
    EXPECT_EQ(dialogs.log[1], "message: |Congratulation!!! You had form the image.");
    EXPECT_EQ(table("tblSwap").back().name, "Reader");
    EXPECT_EQ(form->PushButton2->text(), "Start Game");

    // With no box open the same presses act again.
    press(form->PushButton3);
    QTest::qWait(250);
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[1].title, "Swap high scores");
}

// A key as the window system delivers it; a held key repeats its press until its release.
void keyEvent(QWidget* widget, Qt::Key k, bool press, bool repeat = false) {
    const QString text = k == Qt::Key_Space ? QStringLiteral(" ") : QStringLiteral("\r");
    QTest::simulateEvent(widget->window()->windowHandle(), press, k, Qt::NoModifier, text, repeat);
}

TEST_F(KeyboardTest, KeysHeldOverTheLastMoveDoNotAnswerTheBoxesItOpens) {
    QtDialogs boxes;  // the real name box and congratulation
    random = std::make_unique<SequenceRandom>(dealDraws(kTilesZeroAndFiveExchanged));
    form = std::make_unique<Form1>(Form1Services{boxes, *random, urlOpener, skin});
    form->Form_Load();
    form->show();
    activateWindow();
    selectSwap();
    const QString picture = folderPath("/held.png");
    testfiles::writeCellPicture(picture, 400, 400);
    form->Form_CommandLine({picture});
    settle();
    pressStart(Qt::Key_Space);
    tick(4);
    key(Qt::Key_Space);  // cell 0 chosen
    key(Qt::Key_Down);
    key(Qt::Key_Right);

    QString nameAfterRepeats = "unset";
    bool nameBoxStayed = false;
    bool congratulationStayed = false;
    bool congratulationClosedByANewPress = false;
    int phase = 0;
    QElapsedTimer waited;
    waited.start();
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* box = QApplication::activeModalWidget();
        if (waited.elapsed() > 5000 && box != nullptr) {
            static_cast<QDialog*>(box)->reject();
        }
        if (auto* name = qobject_cast<QInputDialog*>(box); name && phase == 0) {
            phase = 1;
            for (int i = 0; i < 5; ++i) {
                keyEvent(name, Qt::Key_Space, true, true);
            }
            keyEvent(name, Qt::Key_Space, false);
            nameAfterRepeats = name->textValue();
            nameBoxStayed = QApplication::activeModalWidget() == name;
            QTest::keyClicks(name->findChild<QLineEdit*>(), "Ann");
            keyEvent(name, Qt::Key_Return, true);  // accepts; the key stays down
        } else if (auto* message = qobject_cast<QMessageBox*>(box); message && phase == 1) {
            phase = 2;
            for (int i = 0; i < 5; ++i) {
                keyEvent(message, Qt::Key_Return, true, true);
            }
            congratulationStayed = QApplication::activeModalWidget() == message;
            keyEvent(message, Qt::Key_Return, false);
            QTest::qWait(20);  // a release and a press in the same millisecond are a repeat
            keyEvent(message, Qt::Key_Return, true);
            congratulationClosedByANewPress = QApplication::activeModalWidget() != message;
            keyEvent(form.get(), Qt::Key_Return, false);
            poll.stop();
        }
    });
    poll.start();
    keyEvent(form.get(), Qt::Key_Space, true);  // the last move; Space stays down
    settle();
    poll.stop();

    EXPECT_EQ(phase, 2);
    EXPECT_TRUE(nameBoxStayed);
    EXPECT_EQ(nameAfterRepeats, "");
    EXPECT_TRUE(congratulationStayed);
    EXPECT_TRUE(congratulationClosedByANewPress);
    EXPECT_EQ(table("tblSwap").back().name, "Ann");
    EXPECT_EQ(form->PushButton2->text(), "Start Game");
}

TEST_F(KeyboardTest, GameTypeFollowsTheOptionsHoweverTheyAreSelected) {
    openWindow();
    auto* swap = QAccessible::queryAccessibleInterface(form->Option2)->actionInterface();
    swap->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_TRUE(form->Option2->isChecked());
    EXPECT_EQ(form->game().type(), GameType::Swap);
    EXPECT_EQ(form->game().scoreTable(), "tblSwap");
    form->Option2->setFocus();
    QTest::keyClick(form->Option2, Qt::Key_Left);  // arrow keys move the choice within the frame
    EXPECT_TRUE(form->Option1->isChecked());
    EXPECT_EQ(form->game().type(), GameType::Slide);
    EXPECT_EQ(form->game().scoreTable(), "tblSlide");
}

}  // namespace
