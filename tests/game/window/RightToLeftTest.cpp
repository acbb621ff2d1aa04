#include <QApplication>
#include <QCoreApplication>
#include <QStyle>
#include <QStyleOptionGroupBox>

#include "platform/Translations.h"
#include "tests/game/window/GameFixture.h"
#include "tests/support/TestFiles.h"

namespace {

// The window in a right-to-left language: mirrored controls around a board and a preview that
// keep the picture's own left and right.
class RightToLeftTest : public GameTest {
protected:
    void SetUp() override {
        ASSERT_EQ(translations.install(QLocale("ar"), QStringLiteral(TAVLORA_CATALOGUES)), "ar");
        openWindow();
    }
    void TearDown() override {
        form.reset();
        translations.remove();
    }

    // Where the frame's caption lies in the frame.
    static QRect captionRect(const QGroupBox* box) {
        QStyleOptionGroupBox option;
        option.initFrom(box);
        option.text = box->title();
        option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        return box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel,
                                            box);
    }

    Translations translations;
};

TEST(RightToLeftLanguages, MirrorTheApplicationUntilRemovedAndOthersLeaveItAlone) {
    for (const char* language : {"ar", "fa", "he"}) {
        Translations translations;
        ASSERT_EQ(translations.install(QLocale(language), TAVLORA_CATALOGUES), language);
        EXPECT_EQ(QGuiApplication::layoutDirection(), Qt::RightToLeft) << language;
        translations.remove();
        EXPECT_EQ(QGuiApplication::layoutDirection(), Qt::LeftToRight) << language;
    }
    for (const char* language : {"ja", "de", "zh_TW"}) {
        Translations translations;
        ASSERT_EQ(translations.install(QLocale(language), TAVLORA_CATALOGUES), language);
        EXPECT_EQ(QGuiApplication::layoutDirection(), Qt::LeftToRight) << language;
    }
}

TEST_F(RightToLeftTest, ColumnOnTheLeftBoardOnTheRightButtonsAndOptionsMirrored) {
    const int width = form->width();
    EXPECT_EQ(width, 584);
    // The board's left-to-right place is 8..411; mirrored, 173..576.
    EXPECT_EQ(form->picBack->geometry(), QRect(width - 8 - 403, 8, 403, 403));
    for (const QGroupBox* frame :
         {form->Frame1, form->Frame2, form->Frame3, form->Frame4, form->Frame5}) {
        EXPECT_EQ(frame->x(), 8);
        // Captions start at the right.
        const QRect caption = captionRect(frame);
        EXPECT_LT(frame->width() - 1 - caption.right(), caption.left())
            << frame->title().toStdString();
    }
    EXPECT_GT(form->PushButton1->x(), form->PushButton2->x());
    EXPECT_GT(form->PushButton2->x(), form->PushButton3->x());
    EXPECT_EQ(form->PushButton1->geometry().right(), width - 1 - 8);
    EXPECT_EQ(form->PushButton3->x(), 8);
    EXPECT_GT(form->Option1->x(), form->Option2->x());
    EXPECT_EQ(form->picBack->layoutDirection(), Qt::LeftToRight);
    EXPECT_EQ(form->imgImage->layoutDirection(), Qt::LeftToRight);
}

TEST_F(RightToLeftTest, ThePictureAndTheTilesKeepTheirOwnLeftAndRight) {
    loadPicture();
    // The preview's left shows the picture's first column.
    const QImage preview = form->imgImage->grab().toImage();
    EXPECT_EQ(preview.pixelColor(4, 4), testfiles::cellColor(0));
    EXPECT_EQ(preview.pixelColor(preview.width() - 5, 4), testfiles::cellColor(3));
    click(form->PushButton2);
    // Every tile at home (all but the two exchanged) sits where its cell is in the picture.
    QPoint origin;
    for (int k = 0; k < 16; ++k) {
        if (shownCell(k) == 1) {
            origin = form->boardView().control(k)->pos() - QPoint(100, 0);
        }
    }
    int checked = 0;
    for (int k = 0; k < 16; ++k) {
        const int cell = shownCell(k);
        if (cell != 0 && cell != 5) {
            EXPECT_EQ(form->boardView().control(k)->pos(),
                      origin + QPoint(cell % 4 * 100, cell / 4 * 100))
                << cell;
            ++checked;
        }
    }
    EXPECT_EQ(checked, 14);
}

TEST_F(RightToLeftTest, MousePlayNameBoxAndListSpeakArabicWithItsDecimalSeparator) {
    selectSwap();
    loadPicture();
    click(form->PushButton2);
    tick(3);
    clickTile(0);
    dialogs.textReplies.push_back("ليلى");
    clickTile(5);
    ASSERT_FALSE(dialogs.messages.empty());
    EXPECT_EQ(QString::fromStdString(dialogs.messages.front().text),
              QCoreApplication::translate("Form1", "Congratulation!!! You had form the image."));
    ASSERT_EQ(dialogs.questions.size(), 1u);
    EXPECT_NE(dialogs.questions.back().prompt.find("أدخل اسمك"), std::string::npos);
    click(form->PushButton3);
    const QString list = QString::fromStdString(dialogs.messages.back().text);
    EXPECT_TRUE(list.contains(u"ليلى\t\t")) << list.toStdString();
    EXPECT_TRUE(list.contains(u'\u066B')) << list.toStdString();
}

TEST_F(RightToLeftTest, ArrowsMoveTheCursorTheWayTheyPointAndTabGoesRoundMirrored) {
    activateWindow();
    loadPicture();
    form->PushButton2->setFocus(Qt::TabFocusReason);
    QTest::keyClick(form->PushButton2, Qt::Key_Space);
    ASSERT_EQ(QApplication::focusWidget(), form->picBack);
    const int start = form->picBack->cursorCell();
    QTest::keyClick(form->picBack, Qt::Key_Right);
    EXPECT_EQ(form->picBack->cursorCell(), start + 1);
    EXPECT_GT(form->picBack->cellRect(start + 1).x(), form->picBack->cellRect(start).x());
    QTest::keyClick(form->picBack, Qt::Key_Left);
    EXPECT_EQ(form->picBack->cursorCell(), start);

    // From the board Tab goes round in the same order as in English (Load Picture waits out the
    // game), which now runs from the right to the left.
    std::vector<QWidget*> order;
    for (int i = 0; i < 9; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order.push_back(QApplication::focusWidget());
    }
    const std::vector<QWidget*> expected{form->txtScore, form->txtTimer,    form->txtMoves,
                                         form->Option1,  form->PushButton2, form->PushButton3,
                                         form->picBack,  form->txtScore,    form->txtTimer};
    EXPECT_EQ(order, expected);
}

}  // namespace
