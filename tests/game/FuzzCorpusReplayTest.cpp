// Replays every file of the fuzz corpus (our seeds and the reproducers of anything the fuzzers
// found) through the three loaders of files from outside, so a fixed crash stays fixed.

#include <gtest/gtest.h>

#include <QDir>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <QWidget>
#include <filesystem>
#include <string>

#include "game/PictureLoader.h"
#include "platform/CursorFile.h"
#include "platform/Failure.h"
#include "platform/SkinFramework.h"

namespace {

// The corpus sits in the source tree, beside this test's folder.
QStringList corpusFiles(const char* target) {
    const std::filesystem::path folder =
        std::filesystem::path(__FILE__).parent_path().parent_path() / "fuzz" / "corpus" / target;
    const QDir dir(QString::fromStdString(folder.string()));
    QStringList files;
    for (const QString& name : dir.entryList(QDir::Files, QDir::Name)) {
        files.append(dir.filePath(name));
    }
    return files;
}

bool namesTheFile(const Failure& failure, const char* what, const QString& path) {
    return failure.description().starts_with(std::string("Cannot load the ") + what + " " +
                                             path.toStdString() + ": ");
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
        // The kinds of control the main window is made of, styled and painted.
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto* frame = new QGroupBox("Game Type");
        auto* frameLayout = new QVBoxLayout(frame);
        frameLayout->addWidget(new QRadioButton("Slide"));
        frameLayout->addWidget(new QRadioButton("Swap"));
        layout->addWidget(frame);
        layout->addWidget(new QLabel("Moves"));
        layout->addWidget(new QLineEdit("0"));
        layout->addWidget(new QPushButton("Start Game"));
        window.resize(160, 200);
        skin.applyWindow(&window);
        EXPECT_EQ(window.styleSheet(), skin.styleSheet());
        EXPECT_FALSE(window.grab().isNull());
    }
    EXPECT_GT(loaded, 0);
}

}  // namespace
