#include <gtest/gtest.h>

#include <QImage>
#include <QImageReader>
#include <set>

#include "game/window/WindowIcon.h"

namespace {

// The icon built into tavlora.exe and shown by the installer: one image per size, each exactly
// the window icon's drawing at that size.
TEST(WindowsIcon, HoldsTheWindowIconAtEverySizeWindowsAsksFor) {
    QImageReader reader(QStringLiteral(TAVLORA_WINDOWS_ICON), "ico");
    ASSERT_TRUE(reader.canRead()) << reader.errorString().toStdString();
    std::set<int> sides;
    for (int k = 0; k < reader.imageCount(); ++k) {
        ASSERT_TRUE(reader.jumpToImage(k));
        const QImage image = reader.read();
        ASSERT_FALSE(image.isNull()) << "image " << k << ": " << reader.errorString().toStdString();
        ASSERT_EQ(image.width(), image.height());
        sides.insert(image.width());
        EXPECT_EQ(image.convertToFormat(QImage::Format_ARGB32),
                  drawTavloraIcon(image.width()).convertToFormat(QImage::Format_ARGB32))
            << image.width() << " pixels";
    }
    EXPECT_EQ(sides, (std::set<int>{16, 24, 32, 48, 64, 128, 256}));
}

}  // namespace
