// Every picture of the fuzz corpus (hostile files of a few bytes among them) and pictures made to
// be as hungry as their kinds get, each loaded in a fresh child process that stands for the game:
// whether the picture loads or is refused, the game and its decoding program together stay under
// the whole game's budget. Timings belong to the benchmarks; this holds only the memory promise.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <filesystem>
#include <string>
#include <vector>

#include "game/pictures/PictureLoader.h"
#include "tests/support/HandMadePictures.h"

namespace {

// The whole game's budget, and the window's own resident memory beside which the child's stands:
// the child has no window, the game's idle window takes about 32 MiB.
constexpr long long kWholeGameBytes = 450LL << 20;
constexpr long long kWindowBytes = 32LL << 20;

struct Peak {
    long long gameBytes = -1;
    long long decoderBytes = -1;
    std::string outcome;
};

Peak peakOfLoading(const QString& path) {
    QProcess child;
    child.start(QStringLiteral(PICTURE_PEAK_CHILD), {path});
    Peak peak;
    if (!child.waitForFinished(120000) || child.exitCode() != 0) {
        peak.outcome = "the child failed: " + child.readAllStandardError().toStdString();
        return peak;
    }
    const QByteArray line = child.readAllStandardOutput().trimmed();
    const qsizetype game = line.indexOf("game-kb=");
    const qsizetype decoder = line.indexOf(" decoder-kb=");
    const qsizetype outcome = line.indexOf(" outcome=");
    if (game < 0 || decoder < 0 || outcome < 0) {
        peak.outcome = "the child printed " + line.toStdString();
        return peak;
    }
    peak.gameBytes = line.mid(game + 8, decoder - game - 8).toLongLong() * 1024;
    peak.decoderBytes = line.mid(decoder + 12, outcome - decoder - 12).toLongLong() * 1024;
    peak.outcome = line.mid(outcome + 9).toStdString();
    return peak;
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

TEST(PicturePeak, NoPictureRaisesTheWholeGameAboveItsBudget) {
#if defined(__SANITIZE_ADDRESS__) || defined(_WIN32)
    GTEST_SKIP() << "the decoder's resident peak is read with getrusage, and AddressSanitizer's "
                    "shadow memory and quarantine hide the decoder's own";
#endif
    const QDir corpus(QString::fromStdString(
        (std::filesystem::path(TAVLORA_FUZZ_CORPUS_DIR) / "picture").string()));
    QStringList pictures;
    for (const QString& name : corpus.entryList(QDir::Files, QDir::Name)) {
        pictures.append(corpus.filePath(name));
    }
    ASSERT_FALSE(pictures.isEmpty());

    // As hungry as their kinds get: a progressive JPEG with full colour resolution, whose
    // coefficients take 375 MiB, a GIF frame to be restored, which keeps a copy of the canvas it
    // covers, and the largest canvas a GIF may have.
    QTemporaryDir folder;
    const QString jpeg = folder.filePath("progressive-8000x8100.jpg");
    writeFile(jpeg, coefficientHungryJpeg(8000, 8100, std::vector<JpegComponent>(3), true, 100000));
    const QString restore = folder.filePath("restore-10000.gif");
    writeFile(restore, gifWithCanvas(10000, 10000, 0, 0, 10000, 10000, 3));
    const QString canvas = folder.filePath("canvas-10000.gif");
    writeFile(canvas, gifWithCanvas(10000, 10000, 0, 0, 1, 1));
    pictures << jpeg << restore << canvas;

    long long largest = 0;
    for (const QString& path : pictures) {
        SCOPED_TRACE(path.toStdString());
        const Peak peak = peakOfLoading(path);
        ASSERT_GE(peak.gameBytes, 0) << peak.outcome;
        ASSERT_GE(peak.decoderBytes, 0) << peak.outcome;
        const long long whole = kWindowBytes + peak.gameBytes + peak.decoderBytes;
        EXPECT_LE(whole, kWholeGameBytes) << "game " << (peak.gameBytes >> 20) << " MiB, decoder "
                                          << (peak.decoderBytes >> 20) << " MiB, " << peak.outcome;
        // The game itself holds only the square, never the picture.
        EXPECT_LE(peak.gameBytes, 64LL << 20) << peak.outcome;
        largest = std::max(largest, whole);
    }
    RecordProperty("largest_whole_game_MiB", static_cast<int>(largest >> 20));
}

}  // namespace
