// Every picture of the fuzz corpus (hostile files of a few bytes among them) and pictures made to
// sit just inside the loader's memory budget, each loaded in a fresh child process: whether the
// loader takes a picture or refuses it, the child's peak resident memory rises by no more than the
// budget. Timings belong to the benchmarks; this holds only the memory promise.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <filesystem>
#include <string>
#include <vector>

#include "game/pictures/PictureLoader.h"
#include "tests/support/HandMadePictures.h"

namespace {

struct Peak {
    long long growthBytes = -1;
    std::string outcome;
};

Peak peakOfLoading(const QString& path) {
    QProcess child;
    child.start(QStringLiteral(PICTURE_PEAK_CHILD), {path});
    Peak peak;
    if (!child.waitForFinished(60000) || child.exitCode() != 0) {
        peak.outcome = "the child failed: " + child.readAllStandardError().toStdString();
        return peak;
    }
    const QByteArray line = child.readAllStandardOutput().trimmed();
    const qsizetype growth = line.indexOf("growth-kb=");
    const qsizetype outcome = line.indexOf(" outcome=");
    if (growth < 0 || outcome < 0) {
        peak.outcome = "the child printed " + line.toStdString();
        return peak;
    }
    peak.growthBytes = line.mid(growth + 10, outcome - growth - 10).toLongLong() * 1024;
    peak.outcome = line.mid(outcome + 9).toStdString();
    return peak;
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

TEST(PicturePeak, NoPictureRaisesPeakMemoryBeyondTheDecodingBudget) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer's shadow memory and quarantine hide the loader's own";
#endif
    const QDir corpus(QString::fromStdString(
        (std::filesystem::path(TAVLORA_FUZZ_CORPUS_DIR) / "picture").string()));
    QStringList pictures;
    for (const QString& name : corpus.entryList(QDir::Files, QDir::Name)) {
        pictures.append(corpus.filePath(name));
    }
    ASSERT_FALSE(pictures.isEmpty());

    // Allowed, and as close to the budget as their kinds get: a progressive JPEG with full colour
    // resolution, whose coefficients take 375 MiB, and a GIF frame to be restored, which keeps a
    // copy of the canvas it covers.
    QTemporaryDir folder;
    const QString jpeg = folder.filePath("progressive-8000x8100.jpg");
    writeFile(jpeg, coefficientHungryJpeg(8000, 8100, std::vector<JpegComponent>(3), true, 100000));
    const QString gif = folder.filePath("restore-7000.gif");
    writeFile(gif, gifWithCanvas(7000, 7000, 0, 0, 7000, 7000, 3));
    pictures << jpeg << gif;

    long long largest = 0;
    for (const QString& path : pictures) {
        SCOPED_TRACE(path.toStdString());
        const Peak peak = peakOfLoading(path);
        ASSERT_GE(peak.growthBytes, 0) << peak.outcome;
        EXPECT_LE(peak.growthBytes, kMaxDecodeBytes)
            << (peak.growthBytes >> 20) << " MiB, " << peak.outcome;
        largest = std::max(largest, peak.growthBytes);
    }
    RecordProperty("largest_growth_MiB", static_cast<int>(largest >> 20));
}

// JPEG, and 8-bit RGB PNG with or without transparency, are made into the square while they
// decode, which the loader counts on: loading one holds nothing near its full size.
TEST(PicturePeak, PicturesScaledWhileDecodingHoldNoFullSizeCopy) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer's shadow memory and quarantine hide the loader's own";
#endif
    QImage picture(4000, 3000, QImage::Format_ARGB32);
    QPainter painter(&picture);
    QLinearGradient gradient(0, 0, 4000, 3000);
    gradient.setColorAt(0, QColor(200, 40, 10, 255));
    gradient.setColorAt(1, QColor(10, 90, 220, 120));
    painter.fillRect(picture.rect(), gradient);
    painter.end();
    QTemporaryDir folder;
    const struct {
        const char* name;
        const char* format;
        QImage::Format pixels;
    } kinds[] = {{"photo.jpg", "jpeg", QImage::Format_RGB32},
                 {"opaque.png", "png", QImage::Format_RGB32},
                 {"transparent.png", "png", QImage::Format_ARGB32}};
    // A full-size copy would take 46 MiB.
    constexpr long long kFarBelowFullSize = 16LL << 20;
    for (const auto& kind : kinds) {
        SCOPED_TRACE(kind.name);
        const QString path = folder.filePath(kind.name);
        ASSERT_TRUE(QImageWriter(path, kind.format).write(picture.convertToFormat(kind.pixels)));
        const Peak peak = peakOfLoading(path);
        EXPECT_EQ(peak.outcome, "loaded");
        EXPECT_GE(peak.growthBytes, 0);
        EXPECT_LE(peak.growthBytes, kFarBelowFullSize) << (peak.growthBytes >> 20) << " MiB";
    }
}

}  // namespace
