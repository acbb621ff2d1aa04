// A skin may give the window or a control any size, but the game's fixed-size window keeps its size
// and no control grows beyond it: a button as large as a style sheet may ask would take gigabytes
// to paint.

#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTemporaryDir>
#include <QWidget>

#include "platform/SkinFramework.h"

namespace {

TEST(SkinSizeLimit, AFixedSizeWindowAndItsControlsKeepItsSizeWhateverSizeTheSkinAsks) {
    QTemporaryDir folder;
    const QString path = folder.filePath("o.cjs");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(
        "QPushButton { min-width: 20000px; min-height: 20000px; color: #102030 }\n"
        "QLabel:disabled { min-height: 30000px }\n");
    file.close();
    SkinFramework skin;
    skin.loadSkin(path, QString());

    QWidget window;
    window.setFixedSize(584, 451);
    auto* button = new QPushButton("Start Game", &window);
    button->setGeometry(216, 418, 200, 27);
    auto* caption = new QLabel("Moves", &window);
    caption->setGeometry(10, 10, 50, 20);
    skin.applyWindow(&window);
    skin.applyWindow(&window);  // applying it again adds nothing

    const QSize limit(584, 451);
    EXPECT_EQ(window.grab().size(), limit);
    EXPECT_EQ(button->size(), limit);
    EXPECT_EQ(button->palette().color(QPalette::ButtonText), QColor(0x10, 0x20, 0x30));
    // A control made later, and a size set again when a control changes state, are held too.
    auto* later = new QPushButton("High Scores", &window);
    later->setGeometry(424, 418, 150, 27);
    caption->setEnabled(false);
    window.grab();
    EXPECT_EQ(later->size(), limit);
    EXPECT_LE(caption->height(), limit.height());

    // A style sheet of bare declarations styles the window itself, which keeps its size too.
    QFile bare(path);
    ASSERT_TRUE(bare.open(QIODevice::WriteOnly | QIODevice::Truncate));
    bare.write("min-width: 30000px; min-height: 99999px; background: #e0e0e0");
    bare.close();
    skin.loadSkin(path, QString());
    QWidget fixed;
    fixed.setFixedSize(limit);
    skin.applyWindow(&fixed);
    EXPECT_EQ(fixed.grab().size(), limit);
    EXPECT_EQ(fixed.size(), limit);

    // A window that may grow is left to its layout.
    QWidget free;
    auto* roomy = new QPushButton("Load Picture", &free);
    skin.applyWindow(&free);
    roomy->ensurePolished();
    EXPECT_GE(roomy->minimumWidth(), 20000);
}

}  // namespace
