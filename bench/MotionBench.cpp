#include <benchmark/benchmark.h>

#include <QRadioButton>
#include <QTest>

#include "bench/BenchSettings.h"
#include "bench/BenchSupport.h"
#include "game/boardview/BoardArea.h"
#include "platform/SequenceRandom.h"

namespace {

// Slide with the gap in cell 15: cell 14's tile glides into it.
std::unique_ptr<RandomSource> dealWithGapAtTheEnd() {
    return std::make_unique<SequenceRandom>(
        dealDraws({0, 1, 3, 2, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}));
}

// The durations are stretched so that the motion runs for the whole timing; each iteration is
// one frame at the next step of eight, painted and flushed as the screen's would be.
void frames(benchmark::State& state, bool fade) {
    BenchWindow window(dealWithGapAtTheEnd());
    Form1& form = window.form();
    form.Option1->click();
    form.PushButton2_Click();
    settleEvents();
    BoardMotion& motion = form.boardView().motion();
    motion.setDurations(3600000, 3600000);
    if (fade) {
        motion.fade(form.picBack->grab());
    } else {
        QTest::mouseClick(form.boardView().control(14), Qt::LeftButton);
    }
    settleEvents();
    if (!motion.running()) {
        state.SkipWithError("nothing moves");
        return;
    }
    int step = 0;
    for (auto _ : state) {
        motion.frame((step % 8 + 1) / 8.0);
        settleEvents();
        ++step;
    }
    motion.finish();
    if (!window.problems().empty()) {
        state.SkipWithError(window.problems().c_str());
    }
}

void BM_GlideFrame(benchmark::State& state) {
    frames(state, false);
}
BENCHMARK(BM_GlideFrame)->Apply(medianOfTen)->Unit(benchmark::kMicrosecond);

void BM_FadeFrame(benchmark::State& state) {
    frames(state, true);
}
BENCHMARK(BM_FadeFrame)->Apply(medianOfTen)->Unit(benchmark::kMicrosecond);

// A mouse click into the gap and back, as BM_MouseClickSlide, with the last glide come to rest
// before each click (out of the timing), as between a player's clicks: the click's own handling
// and the paint of the glide's first frame.
void BM_MouseClickSlideAtRest(benchmark::State& state) {
    BenchWindow window(dealWithGapAtTheEnd());
    Form1& form = window.form();
    form.Option1->click();
    form.PushButton2_Click();
    settleEvents();
    BoardMotion& motion = form.boardView().motion();
    bool first = true;
    for (auto _ : state) {
        state.PauseTiming();
        motion.finish();
        settleEvents();
        state.ResumeTiming();
        QTest::mouseClick(form.boardView().control(first ? 14 : 15), Qt::LeftButton);
        settleEvents();
        first = !first;
    }
    if (!window.problems().empty() || form.game().moveCount() == 0) {
        state.SkipWithError("the clicks did not move tiles in a running game");
    }
}
BENCHMARK(BM_MouseClickSlideAtRest)->Apply(medianOfTen)->Unit(benchmark::kMicrosecond);

}  // namespace
