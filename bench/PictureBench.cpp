#include <benchmark/benchmark.h>

#include <QAccessible>
#include <QBuffer>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <map>
#include <string>

#include "bench/BenchSettings.h"
#include "bench/BenchSupport.h"
#include "bench/SyntheticPhoto.h"
#include "game/decoder/PictureDecoding.h"
#include "game/pictures/PictureLoader.h"
#include "game/window/Form1.h"
#include "platform/Failure.h"
#include "platform/HoverPushButton.h"
#include "platform/SequenceRandom.h"
#include "tests/support/HandMadePictures.h"

namespace {

// A photo-like test picture of the given size, written on first use into a folder that lives as
// long as the program; the format follows the name's extension. An orientation other than 0 is
// written as the JPEG's orientation tag, as a camera held upright writes 6.
struct TestPicture {
    std::string name;
    int width;
    int height;
    int orientation = 0;
};

void tagOrientation(const QString& file, int orientation) {
    QFile photo(file);
    if (!photo.open(QIODevice::ReadWrite)) {
        throw Failure("Cannot tag " + file.toStdString());
    }
    const QByteArray tagged = withExifOrientation(photo.readAll(), orientation);
    photo.seek(0);
    photo.write(tagged);
}

QString pathOf(const TestPicture& picture) {
    static QTemporaryDir folder;
    static std::map<std::string, QString> written;
    auto found = written.find(picture.name);
    if (found == written.end()) {
        const QString file = folder.path() + "/" + QString::fromStdString(picture.name);
        const std::string extension = picture.name.substr(picture.name.rfind('.') + 1);
        writeSyntheticPhoto(file, picture.width, picture.height,
                            extension == "jpg" ? "jpeg" : extension.c_str());
        if (picture.orientation != 0) {
            tagOrientation(file, picture.orientation);
        }
        found = written.emplace(picture.name, file).first;
    }
    return found->second;
}

// 24 megapixels, as a camera saves them (also tagged to be turned a quarter, as a camera held
// upright tags it), and the same picture as PNG, BMP, TIFF and WebP; and 100 megapixels, the most
// the loader accepts.
const TestPicture kJpeg24{"photo-6000x4000.jpg", 6000, 4000};
const TestPicture kJpeg24Upright{"photo-6000x4000-upright.jpg", 6000, 4000, 6};
const TestPicture kPng24{"photo-6000x4000.png", 6000, 4000};
const TestPicture kBmp24{"photo-6000x4000.bmp", 6000, 4000};
const TestPicture kTiff24{"photo-6000x4000.tif", 6000, 4000};
const TestPicture kWebp24{"photo-6000x4000.webp", 6000, 4000};
const TestPicture kJpeg100{"photo-10000x10000.jpg", 10000, 10000};
const TestPicture kBmp100{"photo-10000x10000.bmp", 10000, 10000};

void BM_LoadPuzzlePicture(benchmark::State& state, const TestPicture& picture,
                          int side = kPuzzlePictureSide) {
    try {
        const QString path = pathOf(picture);
        for (auto _ : state) {
            benchmark::DoNotOptimize(loadPuzzlePicture(path, side));
        }
    } catch (const Failure& failure) {
        state.SkipWithError(failure.what());
    }
}
BENCHMARK_CAPTURE(BM_LoadPuzzlePicture, jpeg_6000x4000, kJpeg24)
    ->Apply(medianOfTen)
    ->Unit(benchmark::kMillisecond);
// For a 2x screen the square is 800 x 800, and the JPEG decodes at 1/4 instead of 1/8.
BENCHMARK_CAPTURE(BM_LoadPuzzlePicture, jpeg_6000x4000_side_800, kJpeg24, 800)
    ->Apply(medianOfTen)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LoadPuzzlePicture, jpeg_6000x4000_upright, kJpeg24Upright)
    ->Apply(medianOfTen)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LoadPuzzlePicture, png_6000x4000, kPng24)
    ->Apply(medianOfTen)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LoadPuzzlePicture, bmp_6000x4000, kBmp24)
    ->Apply(medianOfTen)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LoadPuzzlePicture, tiff_6000x4000, kTiff24)
    ->Apply(medianOfTen)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LoadPuzzlePicture, webp_6000x4000, kWebp24)
    ->Apply(medianOfTen)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LoadPuzzlePicture, jpeg_10000x10000, kJpeg100)
    ->Apply(medianOfTen)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LoadPuzzlePicture, bmp_10000x10000, kBmp100)
    ->Apply(medianOfTen)
    ->Unit(benchmark::kMillisecond);

// The decoding program's own work for the same request, called in this process: what a load
// costs beside the program's start, its request and its reply.
void BM_DecodeInProcess(benchmark::State& state, const TestPicture& picture,
                        int side = kPuzzlePictureSide) {
    try {
        DecodeRequest request;
        request.path = pathOf(picture);
        request.name = request.path;
        request.side = side;
        for (auto _ : state) {
            QBuffer reply;
            reply.open(QIODevice::WriteOnly);
            decodeAndReply(request, reply);
            benchmark::DoNotOptimize(reply.data());
        }
    } catch (const Failure& failure) {
        state.SkipWithError(failure.what());
    }
}
BENCHMARK_CAPTURE(BM_DecodeInProcess, jpeg_6000x4000, kJpeg24)
    ->Apply(medianOfTen)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DecodeInProcess, jpeg_6000x4000_side_800, kJpeg24, 800)
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

// From the moment the game's window begins to load the 100-megapixel BMP until its picture shows,
// every 5 ms a screen reader's query of a button's name is answered. The counter is the longest
// time between two answers (or from the start of the load to the first, or from the last to the
// picture shown).
void BM_WindowAnswersWhileDecoding(benchmark::State& state, const TestPicture& picture) {
    double longest = 0;
    try {
        const QString path = pathOf(picture);
        for (auto _ : state) {
            BenchWindow window(std::make_unique<SequenceRandom>(std::vector<double>{0.5}));
            Form1& form = window.form();
            QElapsedTimer clock;
            clock.start();
            qint64 last = 0;
            const auto answered = [&] {
                QAccessibleInterface* face =
                    QAccessible::queryAccessibleInterface(form.PushButton3);
                benchmark::DoNotOptimize(face->text(QAccessible::Name));
                longest = std::max(longest, static_cast<double>(clock.elapsed() - last));
                last = clock.elapsed();
            };
            QTimer ticks;
            QObject::connect(&ticks, &QTimer::timeout, answered);
            ticks.start(5);
            form.Form_CommandLine({path});
            while (form.state() == WindowState::Loading) {
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
            }
            answered();
            if (form.puzzlePicture().isNull()) {
                state.SkipWithError(window.problems().c_str());
                return;
            }
        }
    } catch (const Failure& failure) {
        state.SkipWithError(failure.what());
        return;
    }
    state.counters["longest_unanswered_ms"] = longest;
}
BENCHMARK_CAPTURE(BM_WindowAnswersWhileDecoding, bmp_10000x10000, kBmp100)
    ->Iterations(1)
    ->Repetitions(5)
    ->Unit(benchmark::kMillisecond);

// Each iteration loads the picture in a fresh picture_peak process and records how far that
// process's peak resident memory rose above its idle level. Only the counters mean anything here.
void BM_PeakMemoryGrowth(benchmark::State& state, const TestPicture& picture, const char* way,
                         int side = kPuzzlePictureSide) {
    const QString program = QCoreApplication::applicationDirPath() + "/picture_peak";
    double totalMegabytes = 0;
    try {
        const QString path = pathOf(picture);
        for (auto _ : state) {
            QProcess child;
            child.start(program, {path, QString::fromLatin1(way), QString::number(side)});
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
BENCHMARK_CAPTURE(BM_PeakMemoryGrowth, loader_jpeg_6000x4000_side_800, kJpeg24, "loader", 800)
    ->Apply(peakMemoryRuns);
BENCHMARK_CAPTURE(BM_PeakMemoryGrowth, loader_jpeg_6000x4000_upright, kJpeg24Upright, "loader")
    ->Apply(peakMemoryRuns);
BENCHMARK_CAPTURE(BM_PeakMemoryGrowth, loader_png_6000x4000, kPng24, "loader")
    ->Apply(peakMemoryRuns);
BENCHMARK_CAPTURE(BM_PeakMemoryGrowth, full_decode_jpeg_6000x4000, kJpeg24, "full")
    ->Apply(peakMemoryRuns);
BENCHMARK_CAPTURE(BM_PeakMemoryGrowth, loader_jpeg_10000x10000, kJpeg100, "loader")
    ->Apply(peakMemoryRuns);
BENCHMARK_CAPTURE(BM_PeakMemoryGrowth, loader_bmp_10000x10000, kBmp100, "loader")
    ->Apply(peakMemoryRuns);

}  // namespace
