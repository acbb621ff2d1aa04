// Replays every file of the fuzz corpus (our seeds and the reproducers of anything the fuzzers
// found) through the three loaders of files from outside, so a fixed crash stays fixed.

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPixmap>
#include <QWidget>
#include <filesystem>
#include <memory>
#include <string>

#include "fuzz/GameLikeWindow.h"
#include "game/pictures/PictureLoader.h"
#include "platform/CursorFile.h"
#include "platform/Failure.h"
#include "platform/SkinFramework.h"
#include "tests/support/TestFiles.h"

namespace {

// The corpus sits in the source tree, in tests/fuzz/corpus/.
QDir corpusFolder(const char* target) {
    const std::filesystem::path folder = std::filesystem::path(TAVLORA_FUZZ_CORPUS_DIR) / target;
    return QDir(QString::fromStdString(folder.string()));
}

QStringList corpusFiles(const char* target) {
    const QDir dir = corpusFolder(target);
    QStringList files;
    for (const QString& name : dir.entryList(QDir::Files, QDir::Name)) {
        files.append(dir.filePath(name));
    }
    return files;
}

bool namesTheFile(const Failure& failure, const char* what, const QString& path) {
    return failure.description().starts_with(std::string("Cannot load the ") + what + " " +
                                             testfiles::nativePath(path) + ": ");
}

TEST(FuzzCorpusReplay, EveryPictureLoadsAsTheSquareOrFailsNamingTheFile) {
    const QStringList files = corpusFiles("picture");
    ASSERT_FALSE(files.isEmpty()) << "no picture corpus beside the tests";
    int loaded = 0;
    for (const QString& path : files) {
        SCOPED_TRACE(path.toStdString());
        try {
            const QImage picture = loadPuzzlePicture(path);
            EXPECT_EQ(picture.size(), QSize(kPuzzlePictureSide, kPuzzlePictureSide));
            ++loaded;
        } catch (const Failure& failure) {
            EXPECT_TRUE(namesTheFile(failure, "picture", path)) << failure.description();
        }
    }
    // The corpus holds good pictures of every format beside the broken ones.
    EXPECT_GT(loaded, 0);
}

TEST(FuzzCorpusReplay, EveryCursorLoadsWithItsHotspotOnTheImageOrFailsNamingTheFile) {
    const QStringList files = corpusFiles("cursor");
    ASSERT_FALSE(files.isEmpty()) << "no cursor corpus beside the tests";
    int loaded = 0;
    for (const QString& path : files) {
        SCOPED_TRACE(path.toStdString());
        try {
            const QCursor cursor = loadCursorFile(path);
            EXPECT_FALSE(cursor.pixmap().isNull());
            EXPECT_TRUE(cursor.pixmap().rect().contains(cursor.hotSpot()))
                << cursor.hotSpot().x() << "," << cursor.hotSpot().y();
            ++loaded;
        } catch (const Failure& failure) {
            EXPECT_TRUE(namesTheFile(failure, "cursor", path)) << failure.description();
        }
    }
    EXPECT_GT(loaded, 0);
}

TEST(FuzzCorpusReplay, EverySkinStylesAndPaintsTheWindowOrFailsNamingTheFile) {
    const QStringList files = corpusFiles("skin");
    ASSERT_FALSE(files.isEmpty()) << "no skin corpus beside the tests";
    int loaded = 0;
    for (const QString& path : files) {
        SCOPED_TRACE(path.toStdString());
        SkinFramework skin;
        try {
            skin.loadSkin(path, QString());
        } catch (const Failure& failure) {
            EXPECT_TRUE(namesTheFile(failure, "skin", path)) << failure.description();
            continue;
        }
        ++loaded;
        // Styled and painted in a window built like the game's, which keeps its size.
        const std::unique_ptr<QWidget> window = gamelike::buildWindow();
        skin.applyWindow(window.get());
        EXPECT_EQ(window->styleSheet(), skin.styleSheet());
        const QPixmap painted = window->grab();
        EXPECT_EQ(painted.size(), QSize(gamelike::kWindowWidth, gamelike::kWindowHeight));
    }
    EXPECT_GT(loaded, 0);
}

// The reproducers of what an outside check of the loaders found, remade by the seed maker, and
// their neighbours: each must keep the outcome its fix gave it. Pictures whose decoding needs
// more memory than the decoder's limit allows are too large, whichever decoder they meet.
TEST(FuzzCorpusReplay, ReproducersKeepTheOutcomeTheirFixGaveThem) {
    const std::string kDamaged = "the file is damaged or is not a picture";
    const struct {
        const char* target;
        const char* file;
        std::string reason;  // after "<path>: "; empty for a file that loads
        // Refused by the decoder's memory limit, which sanitizer builds replace with the
        // sanitizer's own and Wine does not enforce: there such a picture loads or gets one
        // report naming the file.
        bool byMemoryLimit = false;
    } cases[] = {
        {"picture", "topdown-16x16-24bit.bmp", ""},
        {"picture", "topdown-1bit.bmp", ""},
        {"picture", "topdown-32bit.bmp", ""},
        {"picture", "jpeg-progressive-cmyk-65500x1526.jpg",
         "the picture is too large (65500 x 1526 pixels)", true},
        {"picture", "jpeg-progressive-rgb-65500x1526.jpg",
         "the picture is too large (65500 x 1526 pixels)", true},
        {"picture", "jpeg-scan-per-component-30000x3000.jpg",
         "the picture is too large (30000 x 3000 pixels)", true},
        {"picture", "gif-canvas-10000-frame-1x1.gif", ""},
        {"picture", "gif-canvas-10001x10000-frame-1x1.gif",
         "the picture is too large (10001 x 10000 pixels)"},
        {"picture", "gif-restore-canvas-10000-frame-10000.gif",
         "the picture is too large (10000 x 10000 pixels)", true},
        {"picture", "tiff-one-strip-9000x9000.tif", "the picture is too large (9000 x 9000 pixels)",
         true},
        {"picture", "webp-animation-canvas-10000.webp",
         "the picture is too large (10000 x 10000 pixels)", true},
        {"picture", "webp-claims-16383x16383.webp",
         "the picture is too large (16383 x 16383 pixels)"},
        {"picture", "icon-claims-huge-bitmap.ico",
         "the picture is too large (2147483647 x 1073741823 pixels)"},
        {"picture", "jpeg-progressive-grey-65500x1526.jpg", kDamaged},
        {"picture", "cut-short-400x400-24bit.bmp", kDamaged},
        {"picture", "cut-short-rle.bmp", kDamaged},
        {"picture", "cut-short.gif", kDamaged},
        {"picture", "cut-short-progressive.jpg", kDamaged},
        {"picture", "cut-short.png", kDamaged},
        {"picture", "cut-short.tif", kDamaged},
        {"picture", "cut-short.webp", kDamaged},
        {"cursor", "cursor-png-claims-5000x5000.cur",
         "the cursor image is too large (5000 x 5000 pixels"},
        {"cursor", "cursor-second-image-claims-4000x4000.cur",
         "the cursor image is too large (4000 x 4000 pixels"},
    };
    for (const auto& reproducer : cases) {
        SCOPED_TRACE(reproducer.file);
        const QString path = corpusFolder(reproducer.target).filePath(reproducer.file);
        ASSERT_TRUE(QFileInfo::exists(path)) << "run fuzz/make_seeds.sh";
        std::string outcome;
        try {
            if (std::string(reproducer.target) == "picture") {
                loadPuzzlePicture(path);
            } else {
                loadCursorFile(path);
            }
        } catch (const Failure& failure) {
            outcome = failure.description();
        }
#if defined(__SANITIZE_ADDRESS__)
        constexpr bool memoryLimited = false;
#else
        const bool memoryLimited = !testfiles::runsUnderWine();
#endif
        if (reproducer.byMemoryLimit && !memoryLimited) {
            EXPECT_TRUE(outcome.empty() || outcome.starts_with("Cannot load the picture " +
                                                               testfiles::nativePath(path) + ": "))
                << outcome;
            continue;
        }
        if (reproducer.reason.empty()) {
            EXPECT_EQ(outcome, "");
        } else {
            EXPECT_TRUE(outcome.starts_with("Cannot load the " + std::string(reproducer.target) +
                                            " " + testfiles::nativePath(path) + ": " +
                                            reproducer.reason))
                << outcome;
        }
    }
}

}  // namespace
