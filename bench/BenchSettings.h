#pragma once

#include <benchmark/benchmark.h>

// Ten repetitions, reported as mean, median and spread; wall-clock time, because that is what the
// player waits for (painting and file access included).
inline void medianOfTen(benchmark::internal::Benchmark* bench) {
    bench->Repetitions(10)->ReportAggregatesOnly(true)->UseRealTime();
}
