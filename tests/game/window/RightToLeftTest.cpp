#include <QApplication>

#include "platform/Translations.h"
#include "tests/game/window/GameFixture.h"

// Arabic mirrors the window around a board that keeps the picture's own left and right, and
// leaving it puts the application's direction back.
TEST_F(GameTest, RightToLeftMirrorsTheWindowButNotTheBoard) {
    Translations translations;
    ASSERT_EQ(translations.install(QLocale("ar"), TAVLORA_CATALOGUES), "ar");
    openWindow();
    const int width = form->width();
    // The board's left-to-right place is 8..411, the column's 424..576.
    EXPECT_EQ(form->picBack->geometry(), QRect(width - 8 - 403, 8, 403, 403));
    EXPECT_EQ(form->Frame3->geometry(), QRect(8, 224, 152, 55));
    EXPECT_GT(form->PushButton1->x(), form->PushButton2->x());
    EXPECT_EQ(form->PushButton3->x(), 8);
    EXPECT_GT(form->Option1->x(), form->Option2->x());
    EXPECT_EQ(form->picBack->layoutDirection(), Qt::LeftToRight);

    activateWindow();
    loadPicture();
    form->PushButton2->setFocus(Qt::TabFocusReason);
    QTest::keyClick(form->PushButton2, Qt::Key_Space);
    ASSERT_EQ(QApplication::focusWidget(), form->picBack);
    const int cell = form->picBack->cursorCell();
    QTest::keyClick(form->picBack, Qt::Key_Right);
    EXPECT_EQ(form->picBack->cursorCell(), cell + 1);

    form.reset();
    translations.remove();
    EXPECT_EQ(QGuiApplication::layoutDirection(), Qt::LeftToRight);
}
