#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QWindow>

#include "game/window/WindowIcon.h"
#include "game/window/WindowLook.h"
#include "tests/game/window/GameFixture.h"

namespace {

TEST_F(GameTest, OpensWithItsLayoutAndInitialState) {
    openWindow();
    EXPECT_EQ(form->windowTitle(), "Tavlora Software");
    EXPECT_EQ(QCoreApplication::applicationName(), "Tavlora");
    EXPECT_EQ(form->size(), QSize(584, 451));
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
    const Qt::WindowFlags buttons = Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                                    Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint;
    EXPECT_EQ(form->windowFlags() & buttons, buttons & ~Qt::WindowMaximizeButtonHint);
    // The icon is drawn at each size the window system asks for.
    const QIcon icon = form->windowIcon();
    ASSERT_EQ(icon.availableSizes().size(), 5);
    for (const QSize size : icon.availableSizes()) {
        EXPECT_EQ(icon.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
                  drawTavloraIcon(size.width()))
            << size.width();
    }

    EXPECT_EQ(form->picBack->geometry(), QRect(8, 8, 403, 403));
    EXPECT_EQ(form->Frame1->geometry(), QRect(424, 3, 152, 157));
    EXPECT_EQ(form->imgImage->geometry(), QRect(9, 18, 130, 130));
    EXPECT_EQ(form->Option2->geometry(), QRect(78, 18, 64, 25));
    EXPECT_EQ(form->Frame5->geometry(), QRect(424, 352, 152, 55));
    EXPECT_EQ(form->PushButton2->geometry(), QRect(216, 418, 200, 27));
    EXPECT_EQ(form->PushButton3->geometry(), QRect(424, 418, 152, 27));
    EXPECT_EQ(form->txtMoves->font().pointSizeF(), 14.25);
    EXPECT_TRUE(form->txtMoves->font().bold());
    for (const QLineEdit* box : {form->txtMoves, form->txtTimer, form->txtScore}) {
        EXPECT_LE(QFontMetrics(box->font()).height(), box->height())
            << qPrintable(box->font().family());
    }

    EXPECT_EQ(form->PushButton1->text(), "Load Picture");
    EXPECT_EQ(form->PushButton2->text(), "Start Game");
    EXPECT_EQ(form->PushButton3->text(), "High Scores");
    EXPECT_TRUE(form->PushButton1->isEnabled());
    EXPECT_TRUE(form->Option1->isChecked());
    EXPECT_EQ(form->game().scoreTable(), "tblSlide");
    EXPECT_EQ(form->txtMoves->text(), "0");
    EXPECT_EQ(form->txtTimer->text(), "00:00:00");
    EXPECT_EQ(form->txtScore->text(), "0");
    EXPECT_EQ(form->timerInterval(), 0);
    EXPECT_FALSE(form->game().hasBoard());
    EXPECT_TRUE(form->puzzlePicture().isNull());
    EXPECT_EQ(form->boardView().controlCount(), 1);
    EXPECT_EQ(visibleTiles(), 0);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(urlOpener.opened.empty());
}

// A value box whose face has lines taller than the box takes the same size and weight in one that
// fits; with none that fits, the face asked for stays.
TEST(ValueBoxFace, IsOneWhoseLinesFitTheBox) {
    QFont tallest;
    int shortest = 1000;
    for (const QString& face : QFontDatabase::families(QFontDatabase::Latin)) {
        QFont font(face);
        font.setPointSizeF(14.25);
        font.setBold(true);
        if (QFontDatabase::isFixedPitch(face)) {
            continue;
        }
        shortest = std::min(shortest, QFontMetrics(font).height());
        if (QFontMetrics(font).height() > QFontMetrics(tallest).height()) {
            tallest = font;
        }
    }
    EXPECT_EQ(fittingFace(tallest, 100), tallest);
    EXPECT_EQ(fittingFace(tallest, 1), tallest);
    if (QFontMetrics(tallest).height() <= shortest) {
        // Qt's offscreen platform on Windows lists no faces at all.
        GTEST_SKIP() << "this platform's font database has no two faces of other heights";
    }
    const QFont fitting = fittingFace(tallest, shortest);
    EXPECT_LE(QFontMetrics(fitting).height(), shortest) << qPrintable(fitting.family());
    EXPECT_EQ(fitting.pointSizeF(), 14.25);
    EXPECT_TRUE(fitting.bold());
}

// The states the window is told it is in.
class ToldStates : public QObject {
public:
    Qt::WindowStates told;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::WindowStateChange) {
            told |= static_cast<QWidget*>(watched)->windowState();
        }
        return false;
    }
};

// A title bar that offers a maximize anyway (Qt's own on Wayland asks the window itself) leaves the
// window at its place and size; under Weston the frames drawn meanwhile are ones it accepts.
TEST_F(GameTest, AMaximizeOrFullScreenAskedForLeavesTheWindowWhereItStood) {
    openWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    const QRect stood = form->geometry();
    ToldStates states;
    form->installEventFilter(&states);
    for (const Qt::WindowState grown : {Qt::WindowMaximized, Qt::WindowFullScreen}) {
        form->windowHandle()->setWindowStates(grown);
        EXPECT_TRUE(QTest::qWaitFor([&] {
            return (states.told & grown) && form->windowState() == Qt::WindowNoState &&
                   form->geometry() == stood && form->maximumSize() == form->minimumSize();
        })) << grown;
        // A frame drawn now reaches the compositor before the next request, which waits for its
        // answer.
        form->repaint();
    }
}

// Inside its border each frame is the white the window gives it, whatever the style paints; the
// border itself still shows.
TEST_F(GameTest, FramesAreWhiteInsideTheirBorder) {
    openWindow();
    for (QGroupBox* frame :
         {form->Frame1, form->Frame2, form->Frame3, form->Frame4, form->Frame5}) {
        const QImage image = frame->grab().toImage();
        const int middle = image.height() - 12;
        EXPECT_EQ(image.pixelColor(4, image.height() - 4), QColor(Qt::white))
            << frame->title().toStdString();
        EXPECT_EQ(image.pixelColor(4, middle), QColor(Qt::white)) << frame->title().toStdString();
        EXPECT_LT(image.pixelColor(0, middle).lightness(), 230) << frame->title().toStdString();
    }
}

// Presses Tab (or Shift+Tab) `stops` times from `from` and returns where the focus went each time.
std::vector<QWidget*> tabRound(QWidget* from, size_t stops, bool backwards) {
    from->setFocus(Qt::OtherFocusReason);
    std::vector<QWidget*> visited;
    for (size_t i = 0; i < stops; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab,
                        backwards ? Qt::ShiftModifier : Qt::NoModifier);
        visited.push_back(QApplication::focusWidget());
    }
    return visited;
}

TEST_F(GameTest, TabAndShiftTabGoRoundTheWindowInItsOrderWithAndWithoutAGame) {
    openWindow();
    activateWindow();
    loadPicture();
    Form1& f = *form;
    const std::vector<QWidget*> noGame = {f.txtScore,    f.txtTimer,    f.txtMoves,    f.Option1,
                                          f.PushButton1, f.PushButton2, f.PushButton3, f.picBack};
    EXPECT_EQ(tabRound(f.picBack, noGame.size(), false), noGame);
    std::vector<QWidget*> back(noGame.rbegin() + 1, noGame.rend());
    back.push_back(f.picBack);
    EXPECT_EQ(tabRound(f.picBack, back.size(), true), back);

    // In a game "Load Picture" is disabled and Tab passes it by; the selected type is the stop.
    selectSwap();
    startGame();
    const std::vector<QWidget*> inGame = {f.PushButton3, f.picBack, f.txtScore,   f.txtTimer,
                                          f.txtMoves,    f.Option2, f.PushButton2};
    EXPECT_EQ(tabRound(f.PushButton2, inGame.size(), false), inGame);
    std::vector<QWidget*> inGameBack(inGame.rbegin() + 1, inGame.rend());
    inGameBack.push_back(f.PushButton2);
    EXPECT_EQ(tabRound(f.PushButton2, inGameBack.size(), true), inGameBack);
}

TEST_F(GameTest, HomePageOpensOnlyOnTheSeventhOfAHundred) {
    auto draws = dealDraws(kTilesZeroAndFiveExchanged);
    draws[0] = 0.06;  // 0.06 x 100 + 1 = 7
    openWindow(draws);
    ASSERT_EQ(urlOpener.opened.size(), 1u);
    EXPECT_EQ(urlOpener.opened[0], "https://tavlora.example/");
    EXPECT_EQ(random->reseeds(), 1u);

    form.reset();
    urlOpener.opened.clear();
    draws[0] = 0.07;  // 8
    openWindow(draws);
    EXPECT_TRUE(urlOpener.opened.empty());
}

TEST_F(GameTest, WithoutCursorFileThePointerOverButtonsStaysTheArrow) {
    openWindow();
    EXPECT_FALSE(form->handCursor().has_value());
    QTest::mouseMove(form->PushButton2, QPoint(20, 10));
    EXPECT_EQ(form->cursor().shape(), Qt::ArrowCursor);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(GameTest, HandCursorShowsOverButtonsAndArrowOverFramesAndSurface) {
    testfiles::writeCursorFile(folderPath("/HAND-M.CUR"), 5, 1);
    openWindow();
    ASSERT_TRUE(form->handCursor().has_value());
    EXPECT_EQ(form->handCursor()->hotSpot(), QPoint(5, 1));

    for (QWidget* button :
         {static_cast<QWidget*>(form->PushButton1), static_cast<QWidget*>(form->PushButton3)}) {
        QTest::mouseMove(button, QPoint(30, 10));
        EXPECT_EQ(form->cursor().shape(), Qt::BitmapCursor);
        QTest::mouseMove(form->Frame3, QPoint(5, 5));
        EXPECT_EQ(form->cursor().shape(), Qt::ArrowCursor);
    }
    QTest::mouseMove(form->PushButton2, QPoint(30, 10));
    EXPECT_EQ(form->cursor().shape(), Qt::BitmapCursor);
    QTest::mouseMove(form.get(), QPoint(500, 5));
    EXPECT_EQ(form->cursor().shape(), Qt::ArrowCursor);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(GameTest, BrokenStartupFilesAreReportedAndTheWindowStillWorks) {
    QDir(folder.path()).mkpath("x");
    testfiles::writeBytes(folderPath("/x/o.cjs"), QByteArray("\x00\x01\xff\xfe binary", 12));
    testfiles::writeBytes(folderPath("/HAND-M.CUR"), "not a cursor");
    openWindow();
    const auto reports = dialogs.errorReports();
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_NE(reports[0].text.find("in Tavlora2021/08/31.Form1.Form_Load at line 100"),
              std::string::npos);
    EXPECT_NE(reports[1].text.find("in Tavlora2021/08/31.Form1.Form_Load at line 106"),
              std::string::npos);
    // The steps after the failures still ran.
    EXPECT_EQ(form->windowTitle(), "Tavlora Software");
    loadPicture();
    startGame();
    EXPECT_EQ(form->PushButton2->text(), "End Game");
}

TEST_F(GameTest, SkinFileRestylesTheWindow) {
    QDir(folder.path()).mkpath("x");
    testfiles::writeBytes(folderPath("/x/o.cjs"), "QPushButton { color: rgb(10, 20, 30); }");
    openWindow();
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(form->styleSheet(), "QPushButton { color: rgb(10, 20, 30); }");
    EXPECT_EQ(form->palette().color(QPalette::Window),
              QApplication::palette().color(QPalette::Button));
}

TEST_F(GameTest, OptionClicksFollowTheGameType) {
    openWindow();
    selectSwap();
    EXPECT_EQ(form->game().scoreTable(), "tblSwap");
    click(form->Option1);
    EXPECT_EQ(form->game().scoreTable(), "tblSlide");
}

}  // namespace
