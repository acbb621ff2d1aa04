#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QTimer>
#include <QVariantAnimation>

#include "game/window/PlayerMenu.h"

#include "tests/game/window/GameFixture.h"

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace {

QRect cellGeometry(int k) {
    return {1 + (k % 4) * 100, 1 + (k / 4) * 100, 100, 100};
}

class MotionTest : public GameTest {
protected:
    void startSlide() {
        openWindow(dealDraws(kBottomRowShifted));
        loadPicture();
        startGame();
    }
    BoardMotion& motion() { return form->boardView().motion(); }
    void waitUntilStill() {
        EXPECT_TRUE(QTest::qWaitFor([&] { return !motion().running(); }));
    }
};

TEST_F(MotionTest, TheModelHasMovedWhenTheTileStartsToGlide) {
    startSlide();
    ASSERT_TRUE(motion().enabled());
    clickTile(13);
    // Everything but the picture on screen is already the next board's.
    EXPECT_TRUE(motion().running());
    EXPECT_EQ(form->game().imageAt(12), 12);
    EXPECT_TRUE(form->game().isHiddenAt(13));
    EXPECT_EQ(form->txtMoves->text(), "1");
    EXPECT_EQ(shownCell(12), 12);
    EXPECT_FALSE(form->boardView().control(13)->isVisible());
    motion().frame(0.5);  // halfway, however busy the machine is
    const QPoint passing = form->boardView().control(12)->pos();
    EXPECT_GT(passing.x(), cellGeometry(12).x());
    EXPECT_LT(passing.x(), cellGeometry(13).x());
    EXPECT_EQ(passing.y(), cellGeometry(12).y());
    waitUntilStill();
    for (int k = 0; k < 16; ++k) {
        EXPECT_EQ(form->boardView().control(k)->geometry(), cellGeometry(k)) << k;
        EXPECT_FALSE(form->boardView().control(k)->testAttribute(Qt::WA_TransparentForMouseEvents));
    }
}

TEST_F(MotionTest, APressDuringAGlideEndsItAndCountsForTheCellUnderThePointer) {
    startSlide();
    clickTile(13);
    ASSERT_TRUE(motion().running());
    // The gliding tile covers part of cell 13, which is empty once it stands still: nothing
    // plays there.
    QTest::mouseClick(form->picBack, Qt::LeftButton, {}, cellGeometry(13).center());
    EXPECT_FALSE(motion().running());
    EXPECT_EQ(form->boardView().control(12)->geometry(), cellGeometry(12));
    EXPECT_EQ(form->txtMoves->text(), "1");
    // Cell 12, where the tile arrives, takes the next click at once: it slides back.
    clickTile(12);
    EXPECT_EQ(form->txtMoves->text(), "2");
    EXPECT_TRUE(form->game().isHiddenAt(12));
    // A key ends the glide too, and plays from where everything stands.
    ASSERT_TRUE(motion().running());
    form->picBack->setFocus();
    QTest::keyClick(form->picBack, Qt::Key_Right);
    EXPECT_FALSE(motion().running());
    EXPECT_EQ(form->boardView().control(13)->geometry(), cellGeometry(13));
}

TEST_F(MotionTest, TheFinishFadesTheSeamsOutBeforeTheNameBoxOpens) {
    startSlide();
    clickTile(13);
    clickTile(14);
    bool fadingSeen = false;
    bool boxWaited = false;
    QTimer::singleShot(BoardMotion::kGlideMilliseconds + 150, form.get(), [&] {
        fadingSeen = motion().running() && !form->picBack->findChildren<QWidget*>().isEmpty() &&
                     !form->picBack->pixmap().isNull();
        boxWaited = dialogs.messages.empty();
        // The window answers as behind a box meanwhile.
        click(form->PushButton3);
    });
    clickTile(15);
    EXPECT_TRUE(fadingSeen);
    EXPECT_TRUE(boxWaited);
    EXPECT_FALSE(motion().running());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Congratulation!!! You had form the image.");
    EXPECT_EQ(form->PushButton2->text(), "Start Game");
    EXPECT_EQ(form->picBack->pixmap().toImage(),
              QPixmap::fromImage(form->puzzlePicture()).toImage());
    EXPECT_EQ(visibleTiles(), 0);
}

TEST_F(MotionTest, ThePlayersSwitchTurnsMotionOffAndIsRemembered) {
    startSlide();
    // A right click on the window's background opens its menu.
    QTest::mouseClick(form->windowHandle(), Qt::RightButton, {}, QPoint(3, form->height() - 3));
    EXPECT_TRUE(form->playerMenu().isVisible());
    EXPECT_EQ(form->playerMenu().activeAction(), nullptr);
    QAction* motionSwitch = form->playerMenu().motionAction();
    EXPECT_EQ(motionSwitch->text(), "Motion");
    EXPECT_TRUE(motionSwitch->isChecked());
    motionSwitch->trigger();
    form->playerMenu().close();
    EXPECT_FALSE(motion().enabled());
    clickTile(13);
    EXPECT_FALSE(motion().running());
    EXPECT_TRUE(form->picBack->findChildren<QVariantAnimation*>().isEmpty());
    EXPECT_EQ(form->boardView().control(12)->geometry(), cellGeometry(12));
    clickTile(14);
    clickTile(15);
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(form->picBack->findChildren<QVariantAnimation*>().isEmpty());
    EXPECT_FALSE(QSettings(QSettings::UserScope, "Tavlora", "Tavlora").value("motion").toBool());

    // The next run remembers it; the Menu key and Shift+F10 open the menu from the keyboard.
    form.reset();
    openWindow(dealDraws(kBottomRowShifted));
    EXPECT_FALSE(form->playerMenu().motionAction()->isChecked());
    EXPECT_FALSE(motion().enabled());
    // Opened from the keyboard, the menu has its first item selected: Return alone takes it.
    QTest::keyClick(form->windowHandle(), Qt::Key_Menu);
    EXPECT_TRUE(form->playerMenu().isVisible());
    EXPECT_EQ(form->playerMenu().activeAction(), form->playerMenu().motionAction());
    form->playerMenu().close();
    QTest::keyClick(form->windowHandle(), Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_TRUE(form->playerMenu().isVisible());
    QTest::keyClick(&form->playerMenu(), Qt::Key_Return);
    EXPECT_FALSE(form->playerMenu().isVisible());
    EXPECT_TRUE(motion().enabled());
    EXPECT_TRUE(QSettings(QSettings::UserScope, "Tavlora", "Tavlora").value("motion").toBool());
}

#ifndef _WIN32
// QSettings opens whatever is under the settings file's name, and a named pipe there held the
// window's start for good.
TEST_F(MotionTest, ASettingsFileThatIsNoRegularFileMeansTheDefaults) {
    const QString path = QSettings(QSettings::UserScope, "Tavlora", "Tavlora").fileName();
    for (const bool pipe : {true, false}) {
        QFile::remove(path);
        QDir(path).removeRecursively();
        ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
        ASSERT_TRUE(pipe ? mkfifo(QFile::encodeName(path).constData(), 0600) == 0
                         : QDir().mkpath(path));
        startSlide();
        EXPECT_TRUE(form->playerMenu().motionAction()->isChecked());
        EXPECT_TRUE(motion().enabled());
        // The switch still works for the run; nothing is written.
        form->playerMenu().motionAction()->trigger();
        EXPECT_FALSE(motion().enabled());
        EXPECT_EQ(QFileInfo(path).isDir(), !pipe);
        EXPECT_FALSE(QFileInfo(path).isFile());
        form.reset();
    }
    QDir(path).removeRecursively();
}
#endif

}  // namespace
