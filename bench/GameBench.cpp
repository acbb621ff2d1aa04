#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "bench/BenchSettings.h"
#include "bench/BenchSupport.h"
#include "bench/SyntheticPhoto.h"
#include "board/PuzzleGame.h"
#include "game/boardview/BoardArea.h"
#include "game/boardview/TileLabel.h"
#include "platform/PictureClip.h"
#include "platform/SequenceRandom.h"
#include "platform/TimeSeededRandom.h"
#include "shell/ProgramFolder.h"

namespace {

// Tiles 2 and 3 exchanged, every other tile at home: clicks anywhere else never form the picture.
std::unique_ptr<RandomSource> dealWithTwoTilesExchanged() {
    return std::make_unique<SequenceRandom>(
        dealDraws({0, 1, 3, 2, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}));
}

void startGame(BenchWindow& window, bool swap) {
    Form1& form = window.form();
    (swap ? form.Option2 : form.Option1)->click();
    form.PushButton2_Click();
    settleEvents();
}

bool dealtWithTwoTilesExchanged(const Form1& form) {
    const PuzzleGame& game = form.game();
    return game.hasBoard() && game.imageAt(2) == 3 && game.imageAt(3) == 2 &&
           game.imageAt(15) == 15;
}

// Counts the paint events that tile controls receive.
class TilePaintCounter : public QObject {
public:
    TilePaintCounter() { QCoreApplication::instance()->installEventFilter(this); }
    ~TilePaintCounter() override { QCoreApplication::instance()->removeEventFilter(this); }
    TilePaintCounter(const TilePaintCounter&) = delete;
    TilePaintCounter& operator=(const TilePaintCounter&) = delete;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && qobject_cast<TileLabel*>(watched) != nullptr) {
            ++paints;
        }
        return false;
    }

    int paints = 0;
};

// One click and the repaint it causes, kept out of line so that an instruction count
// (valgrind --tool=callgrind --toggle-collect='*clickOnce*') can take exactly these.
[[gnu::noinline]] void clickOnce(Form1& form, int cell) {
    form.imgTile_Click(cell);
    settleEvents();
}

// The same for a key press on the cell, after the cursor has been put there as a click puts it.
[[gnu::noinline]] void pressOnce(Form1& form, int cell) {
    form.picBack->setCursorCell(cell);
    QTest::keyClick(form.picBack, Qt::Key_Space);
    settleEvents();
}

// And for a real mouse click on the tile control.
[[gnu::noinline]] void mouseClickOnce(Form1& form, int cell) {
    QTest::mouseClick(form.boardView().control(cell), Qt::LeftButton);
    settleEvents();
}

// Each iteration is one action on a cell (`once`: a click, a key press, a mouse click) and the
// repaint it causes; the two cells alternate so that every action changes the board (Swap: select,
// then exchange; Slide: a tile into the gap and back). A few untimed actions first count how many
// tile controls one repaints.
void alternately(benchmark::State& state, bool swap, int first, int second,
                 void (*once)(Form1&, int)) {
    BenchWindow window(dealWithTwoTilesExchanged());
    startGame(window, swap);
    Form1& form = window.form();
    if (!dealtWithTwoTilesExchanged(form)) {
        state.SkipWithError("the game did not start with the planned deal");
        return;
    }
    constexpr int kCounted = 20;
    int paints = 0;
    {
        TilePaintCounter counter;
        for (int i = 0; i < kCounted; ++i) {
            once(form, i % 2 == 0 ? first : second);
        }
        paints = counter.paints;
    }
    bool useFirst = true;
    for (auto _ : state) {
        once(form, useFirst ? first : second);
        useFirst = !useFirst;
    }
    state.counters["tile_paints_per_click"] = static_cast<double>(paints) / kCounted;
    if (!window.problems().empty()) {
        state.SkipWithError(window.problems().c_str());
    } else if (!form.game().hasBoard() || form.game().moveCount() == 0) {
        state.SkipWithError("the actions did not move tiles in a running game");
    }
}

void BM_MouseClickSwap(benchmark::State& state) {
    alternately(state, true, 0, 1, mouseClickOnce);
}
BENCHMARK(BM_MouseClickSwap)->Apply(medianOfTen)->Unit(benchmark::kMicrosecond);

void BM_MouseClickSlide(benchmark::State& state) {
    alternately(state, false, 14, 15, mouseClickOnce);
}
BENCHMARK(BM_MouseClickSlide)->Apply(medianOfTen)->Unit(benchmark::kMicrosecond);

void BM_KeyPressSwap(benchmark::State& state) {
    alternately(state, true, 0, 1, pressOnce);
}
BENCHMARK(BM_KeyPressSwap)->Apply(medianOfTen)->Unit(benchmark::kMicrosecond);

void BM_KeyPressSlide(benchmark::State& state) {
    alternately(state, false, 14, 15, pressOnce);
}
BENCHMARK(BM_KeyPressSlide)->Apply(medianOfTen)->Unit(benchmark::kMicrosecond);

void BM_TileClickSwap(benchmark::State& state) {
    alternately(state, true, 0, 1, clickOnce);
}
BENCHMARK(BM_TileClickSwap)->Apply(medianOfTen)->Unit(benchmark::kMicrosecond);

void BM_TileClickSlide(benchmark::State& state) {
    // The gap starts in cell 15, so cell 14's tile slides into it and back.
    alternately(state, false, 14, 15, clickOnce);
}
BENCHMARK(BM_TileClickSlide)->Apply(medianOfTen)->Unit(benchmark::kMicrosecond);

// The same alternating clicks on the game model alone: the rule, the count and the formed test,
// without widgets, drawing or painting.
void actAlternately(benchmark::State& state, GameType type, int first, int second) {
    std::unique_ptr<RandomSource> random = dealWithTwoTilesExchanged();
    random->nextUniform();  // the draw the window spends on the home page
    PuzzleGame game;
    game.changeType(type);
    game.deal(*random);
    bool useFirst = true;
    for (auto _ : state) {
        benchmark::DoNotOptimize(game.actOn(useFirst ? first : second));
        useFirst = !useFirst;
    }
    if (game.imageAt(2) != 3 || game.moveCount() == 0) {
        state.SkipWithError("the game did not start with the planned deal");
    }
}

void BM_ModelActSwap(benchmark::State& state) {
    actAlternately(state, GameType::Swap, 0, 1);
}
BENCHMARK(BM_ModelActSwap)->Apply(medianOfTen)->Unit(benchmark::kMicrosecond);

void BM_ModelActSlide(benchmark::State& state) {
    actAlternately(state, GameType::Slide, 14, 15);
}
BENCHMARK(BM_ModelActSlide)->Apply(medianOfTen)->Unit(benchmark::kMicrosecond);

// The program's own share of start-up, without process creation, library loading or a display
// server: the window built, its load event run, shown and painted offscreen, then closed again.
// Fonts and styles are warm after the first iteration, unlike at a real start.
void BM_OpenWindow(benchmark::State& state) {
    QTemporaryDir folder;
    setProgramFolderOverride(folder.path());
    FakeDialogs dialogs;
    TimeSeededRandom random;
    SilentUrlOpener urlOpener;
    SkinFramework skin;
    for (auto _ : state) {
        Form1 form(Form1Services{dialogs, random, urlOpener, skin});
        form.Form_Load();
        form.show();
        settleEvents();
    }
    settleEvents();
    setProgramFolderOverride("");
    if (!dialogs.messages.empty()) {
        state.SkipWithError(dialogs.messages.front().text.c_str());
    }
}
BENCHMARK(BM_OpenWindow)->Apply(medianOfTen)->Unit(benchmark::kMillisecond);

// A 24-megapixel photo named on the command line, loaded by the window as "Load Picture" would:
// read, drawn on the square and shown in the preview, painted. The part of a start with a picture
// argument that comes after the window's first paint.
void BM_CommandLinePicture(benchmark::State& state) {
    BenchWindow window(std::make_unique<TimeSeededRandom>());
    const QString photo = window.folderPath("/photo-6000x4000.jpg");
    writeSyntheticPhoto(photo, 6000, 4000, "jpg");
    Form1& form = window.form();
    for (auto _ : state) {
        form.Form_CommandLine({photo});
        settleWindow(form);
    }
    if (!window.problems().empty()) {
        state.SkipWithError(window.problems().c_str());
    }
}
BENCHMARK(BM_CommandLinePicture)->Apply(medianOfTen)->Unit(benchmark::kMillisecond);

// A new deal on the loaded picture: board, cells, 16 tile controls, shuffle, first drawing and
// painting, and the removal of the previous game's controls.
void BM_NewGame(benchmark::State& state) {
    BenchWindow window(std::make_unique<TimeSeededRandom>());
    Form1& form = window.form();
    form.PushButton2_Click();
    settleEvents();
    for (auto _ : state) {
        form.newGame();
        settleEvents();
    }
    if (!window.problems().empty()) {
        state.SkipWithError(window.problems().c_str());
    } else if (form.boardView().controlCount() != 17) {
        state.SkipWithError("a new game did not leave exactly its own 16 tile controls");
    }
}
BENCHMARK(BM_NewGame)->Apply(medianOfTen)->Unit(benchmark::kMicrosecond);

// What every click redraws: the 16 tile controls handed their cells from the clipper's cache.
void BM_DrawBoard(benchmark::State& state) {
    BenchWindow window(std::make_unique<TimeSeededRandom>());
    Form1& form = window.form();
    form.PushButton2_Click();
    settleEvents();
    for (auto _ : state) {
        form.drawBoard();
    }
    if (!window.problems().empty()) {
        state.SkipWithError(window.problems().c_str());
    }
}
BENCHMARK(BM_DrawBoard)->Apply(medianOfTen)->Unit(benchmark::kMicrosecond);

// What the clipper does once per game: a fresh picture cut into its 16 cells.
void BM_CutPictureIntoCells(benchmark::State& state) {
    const QPixmap picture = QPixmap::fromImage(syntheticPhoto(400, 400));
    for (auto _ : state) {
        PictureClip clip;
        clip.setPicture(picture);
        clip.setRows(4);
        clip.setCols(4);
        for (int k = 0; k < 16; ++k) {
            benchmark::DoNotOptimize(clip.GraphicCell(k));
        }
    }
}
BENCHMARK(BM_CutPictureIntoCells)->Apply(medianOfTen)->Unit(benchmark::kMicrosecond);

}  // namespace
