#include <QApplication>
#include <QPixmap>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <cstdio>

#include "bench/BenchSupport.h"
#include "game/boardview/BoardArea.h"
#include "platform/SequenceRandom.h"

// Takes pictures of the screen in the middle of a glide in "Slide", of two tiles crossing in
// "Swap" and of the finish, each motion slowed down tenfold so the moment is caught; run it on a
// real display (xvfb-run), with QT_SCALE_FACTOR=2 for a high-density screen.
// usage: motion_frames PREFIX   (writes PREFIX-slide.png, PREFIX-swap.png, PREFIX-finish.png)
namespace {

constexpr int kSlowdown = 10;

void shoot(Form1& form, const QString& path) {
    QPixmap screen = form.screen()->grabWindow(0);
    std::printf("%s %s\n", qPrintable(path), screen.save(path) ? "written" : "NOT WRITTEN");
}

std::unique_ptr<BenchWindow> start(const std::vector<int>& deal, bool swap) {
    auto window = std::make_unique<BenchWindow>(std::make_unique<SequenceRandom>(dealDraws(deal)));
    Form1& form = window->form();
    (swap ? form.Option2 : form.Option1)->click();
    form.move(form.screen()->availableGeometry().center() - form.rect().center());
    form.PushButton2_Click();
    form.boardView().motion().setDurations(BoardMotion::kGlideMilliseconds * kSlowdown,
                                           BoardMotion::kFadeMilliseconds * kSlowdown);
    QTest::qWait(500);
    return window;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: motion_frames PREFIX\n");
        return 2;
    }
    const QString prefix = QString::fromLocal8Bit(argv[1]);
    {
        // The gap in cell 15; cell 11's tile glides down into it.
        auto window = start({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}, false);
        QTest::mouseClick(window->form().boardView().control(11), Qt::LeftButton);
        QTest::qWait(BoardMotion::kGlideMilliseconds * kSlowdown * 2 / 5);
        shoot(window->form(), prefix + "-slide.png");
    }
    {
        // Cells 1 and 11 exchange their tiles across the board (0 and 2 are exchanged, so the
        // picture is not formed).
        auto window = start({2, 1, 0, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}, true);
        QTest::mouseClick(window->form().boardView().control(1), Qt::LeftButton);
        QTest::mouseClick(window->form().boardView().control(11), Qt::LeftButton);
        QTest::qWait(BoardMotion::kGlideMilliseconds * kSlowdown * 2 / 5);
        shoot(window->form(), prefix + "-swap.png");
    }
    {
        // Tiles 14 and 15 exchanged in Swap: the second click forms the picture.
        auto window = start({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 15, 14}, true);
        Form1& form = window->form();
        QTest::mouseClick(form.boardView().control(14), Qt::LeftButton);
        QTimer::singleShot(
            (BoardMotion::kGlideMilliseconds + BoardMotion::kFadeMilliseconds / 2) * kSlowdown,
            &form, [&] { shoot(form, prefix + "-finish.png"); });
        QTest::mouseClick(form.boardView().control(15), Qt::LeftButton);
    }
    return 0;
}
