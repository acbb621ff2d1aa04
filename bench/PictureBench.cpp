#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <map>
#include <string>

#include "bench/BenchSettings.h"
#include "bench/BenchSupport.h"
#include "bench/SyntheticPhoto.h"
#include "game/PictureLoader.h"
#include "platform/Failure.h"

namespace {

// A photo-like test picture of the given size, written on first use into a folder that lives as
// long as the program; the format follows the name's extension.
struct TestPicture {
    std::string name;
    int width;
    int height;
};

QString pathOf(const TestPicture& picture) {
    static QTemporaryDir folder;
    static std::map<std::string, QString> written;
    auto found = written.find(picture.name);
    if (found == written.end()) {
        const QString file = folder.path() + "/" + QString::fromStdString(picture.name);
        const std::string extension = picture.name.substr(picture.name.rfind('.') + 1);
        writeSyntheticPhoto(file, picture.width, picture.height,
                            extension == "jpg" ? "jpeg" : extension.c_str());
        found = written.emplace(picture.name, file).first;
    }
    return found->second;
}

// 24 megapixels, as a camera saves them, and the same picture as PNG and BMP; and 100
// megapixels, the most the loader accepts.
const TestPicture kJpeg24{"photo-6000x4000.jpg", 6000, 4000};
const TestPicture kPng24{"photo-6000x4000.png", 6000, 4000};
const TestPicture kBmp24{"photo-6000x4000.bmp", 6000, 4000};
const TestPicture kJpeg100{"photo-10000x10000.jpg", 10000, 10000};
const TestPicture kBmp100{"photo-10000x10000.bmp", 10000, 10000};

void BM_LoadPuzzlePicture(benchmark::State& state, const TestPicture& picture) {
    try {
        const QString path = pathOf(picture);
        for (auto _ : state) {
            benchmark::DoNotOptimize(loadPuzzlePicture(path));
        }
    } catch (const Failure& failure) {
        state.SkipWithError(failure.what());
    }
}
BENCHMARK_CAPTURE(BM_LoadPuzzlePicture, jpeg_6000x4000, kJpeg24)
    ->Apply(medianOfTen)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LoadPuzzlePicture, png_6000x4000, kPng24)
    ->Apply(medianOfTen)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LoadPuzzlePicture, bmp_6000x4000, kBmp24)
    ->Apply(medianOfTen)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LoadPuzzlePicture, jpeg_10000x10000, kJpeg100)
    ->Apply(medianOfTen)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LoadPuzzlePicture, bmp_10000x10000, kBmp100)
    ->Apply(medianOfTen)
    ->Unit(benchmark::kMillisecond);

void BM_FullDecodeThenScale(benchmark::State& state, const TestPicture& picture) {
    try {
        const QString path = pathOf(picture);
        for (auto _ : state) {
            benchmark::DoNotOptimize(fullDecodeThenScale(path));
        }
    } catch (const Failure& failure) {
        state.SkipWithError(failure.what());
    }
}
BENCHMARK_CAPTURE(BM_FullDecodeThenScale, jpeg_6000x4000, kJpeg24)
    ->Apply(medianOfTen)
    ->Unit(benchmark::kMillisecond);

// Each iteration loads the picture in a fresh picture_peak process and records how far that
// process's peak resident memory rose above its idle level. Only the counters mean anything here.
void BM_PeakMemoryGrowth(benchmark::State& state, const TestPicture& picture, const char* way) {
    const QString program = QCoreApplication::applicationDirPath() + "/picture_peak";
    double totalMegabytes = 0;
    try {
        const QString path = pathOf(picture);
        for (auto _ : state) {
            QProcess child;
            child.start(program, {path, QString::fromLatin1(way)});
            if (!child.waitForFinished(60000) || child.exitCode() != 0) {
                state.SkipWithError(
                    ("picture_peak failed: " + child.readAllStandardError().toStdString()).c_str());
                return;
            }
            const QByteArray line = child.readAllStandardOutput().trimmed();
            const qsizetype at = line.indexOf("growth-kb=");
            if (at < 0) {
                state.SkipWithError("picture_peak printed no growth");
                return;
            }
            totalMegabytes += line.mid(at + 10).split(' ').front().toDouble() / 1024.0;
        }
    } catch (const Failure& failure) {
        state.SkipWithError(failure.what());
        return;
    }
    state.counters["peak_growth_MiB"] =
        benchmark::Counter(totalMegabytes, benchmark::Counter::kAvgIterations);
}
void peakMemoryRuns(benchmark::internal::Benchmark* bench) {
    bench->Iterations(1)->Repetitions(10)->ReportAggregatesOnly(true)->Unit(
        benchmark::kMillisecond);
}
BENCHMARK_CAPTURE(BM_PeakMemoryGrowth, loader_jpeg_6000x4000, kJpeg24, "loader")
    ->Apply(peakMemoryRuns);
BENCHMARK_CAPTURE(BM_PeakMemoryGrowth, full_decode_jpeg_6000x4000, kJpeg24, "full")
    ->Apply(peakMemoryRuns);
BENCHMARK_CAPTURE(BM_PeakMemoryGrowth, loader_jpeg_10000x10000, kJpeg100, "loader")
    ->Apply(peakMemoryRuns);
BENCHMARK_CAPTURE(BM_PeakMemoryGrowth, loader_bmp_10000x10000, kBmp100, "loader")
    ->Apply(peakMemoryRuns);

}  // namespace
