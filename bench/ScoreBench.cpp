#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "bench/BenchSettings.h"
#include "bench/BenchSupport.h"
#include "platform/Failure.h"
#include "scores/HighScoreEntry.h"
#include "scores/ScoreDatabase.h"

namespace {

// A score offered to the Swap table of a real file on disk, the name box answered at once.
// `qualifies`: the score beats a stored one, so the entry opens, selects, asks, overwrites a row
// and closes; otherwise every row holds more and the entry only opens, selects and closes.
void enterScores(benchmark::State& state, bool qualifies) {
    QTemporaryDir folder;
    const QString path = folder.path() + "/hiscore.mdb";
    FakeDialogs dialogs;
    try {
        createScoreFile(path);
        if (!qualifies) {
            ScoreDatabase database;
            database.openScoreDatabase(path);
            for (int id = 1; id <= 10; ++id) {
                database.updateRow(kSwapTable, id, 1000, "Best");
            }
        }
        for (auto _ : state) {
            enterHighScore(path, kSwapTable, 250, dialogs);
        }
    } catch (const Failure& failure) {
        state.SkipWithError(failure.what());
        return;
    }
    const auto expectedQuestions = qualifies ? state.iterations() : 0;
    if (static_cast<benchmark::IterationCount>(dialogs.questions.size()) != expectedQuestions) {
        state.SkipWithError("the name box was not asked once per qualifying score");
    }
}

void BM_HighScoreEntryWritesRow(benchmark::State& state) {
    enterScores(state, true);
}
BENCHMARK(BM_HighScoreEntryWritesRow)->Apply(medianOfTen)->Unit(benchmark::kMillisecond);

void BM_HighScoreEntryNotHighEnough(benchmark::State& state) {
    enterScores(state, false);
}
BENCHMARK(BM_HighScoreEntryNotHighEnough)->Apply(medianOfTen)->Unit(benchmark::kMillisecond);

}  // namespace
