#include <QAccessible>
#include <QAccessibleActionInterface>

#include "tests/game/window/GameFixture.h"

namespace {

// Slide: the empty tile in cell 5, tiles 0 to 4 and 6 to 14 around it in order.
const std::vector<int> kEmptyInFive{0, 1, 2, 3, 4, 15, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14};
// Swap: tiles 0 and 5 exchanged, the rest at home.
const std::vector<int> kSwapDeal{5, 1, 2, 3, 4, 0, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};

class KeyboardTest : public GameTest {
protected:
    void start(const std::vector<int>& deal, bool swap = false) {
        std::vector<int> cellOfTile(16);
        for (int cell = 0; cell < 16; ++cell) {
            cellOfTile[static_cast<size_t>(deal[static_cast<size_t>(cell)])] = cell;
        }
        openWindow(dealDraws(cellOfTile));
        QApplication::setActiveWindow(form.get());
        if (swap) {
            selectSwap();
        }
        loadPicture();
        click(form->PushButton2);
    }
    void key(Qt::Key k, int times = 1) {
        for (int i = 0; i < times; ++i) {
            QTest::keyClick(QApplication::focusWidget(), k);
        }
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
    EXPECT_EQ(form->picBack->focusPolicy(), Qt::StrongFocus);
    EXPECT_EQ(cursor(), 0);
    key(Qt::Key_Left);
    key(Qt::Key_Up);
    EXPECT_EQ(cursor(), 0);
    key(Qt::Key_Right, 5);
    EXPECT_EQ(cursor(), 3);
    key(Qt::Key_Down, 5);
    EXPECT_EQ(cursor(), 15);
    key(Qt::Key_Left);
    EXPECT_EQ(cursor(), 14);
    clickTile(9);  // the mouse moves the cursor too
    EXPECT_EQ(cursor(), 9);
    EXPECT_EQ(form->game().moveCount(), 1);
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
    start(kSwapDeal, true);
    EXPECT_EQ(board()->text(QAccessible::Name), "Puzzle board");
    ASSERT_EQ(board()->childCount(), 16);
    EXPECT_EQ(cellName(0), "Row 1, column 1: piece 6");
    EXPECT_EQ(cellDescription(0), "belongs in row 2, column 2");
    EXPECT_EQ(cellDescription(1), "in place");
    EXPECT_TRUE(board()->child(0)->state().focused);
    EXPECT_EQ(board()->focusChild(), board()->child(0));
    tick(4);
    key(Qt::Key_Space);
    EXPECT_EQ(cellName(0), "Row 1, column 1: piece 6, chosen");
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
    EXPECT_EQ(table("tblSwap").back().name, "Key");
    EXPECT_EQ(form->PushButton2->text(), "Start Game");
    EXPECT_EQ(board()->childCount(), 0);
    EXPECT_TRUE(dialogs.errorReports().empty());
}

TEST_F(KeyboardTest, SlideGapAndTilesReadTheirPlaceAndPressPlaysACell) {
    start(kEmptyInFive);
    EXPECT_EQ(cellName(5), "Row 2, column 2: empty");
    EXPECT_EQ(cellName(6), "Row 2, column 3: piece 6");
    EXPECT_EQ(cellDescription(6), "belongs in row 2, column 2");
    auto* press = board()->child(6)->actionInterface();
    ASSERT_NE(press, nullptr);
    press->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(cellName(5), "Row 2, column 2: piece 6");
    EXPECT_EQ(cellDescription(5), "in place");
    EXPECT_EQ(cellName(6), "Row 2, column 3: empty");
    EXPECT_EQ(cursor(), 6);
    EXPECT_EQ(form->game().moveCount(), 1);

    for (auto [box, caption] : {std::pair{form->txtMoves, "Moves"},
                                {form->txtTimer, "Timer"},
                                {form->txtScore, "Score"}}) {
        auto* read = QAccessible::queryAccessibleInterface(box);
        EXPECT_EQ(read->text(QAccessible::Name), caption);
        EXPECT_EQ(read->text(QAccessible::Value), box->text());
    }
    EXPECT_EQ(QAccessible::queryAccessibleInterface(form->PushButton2)->text(QAccessible::Name),
              "End Game");
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
