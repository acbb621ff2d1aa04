#include <gtest/gtest.h>

#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QTemporaryDir>

#include "platform/CursorFile.h"
#include "platform/FrameStyle.h"
#include "tests/support/FileBytes.h"

namespace {

bool imagePluginLoaded() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("/imageformats/");
}

// A cursor file whose one image is PNG-compressed, as our own hand cursor is: 32 x 32 of opaque
// black, written by hand (Qt's image writer would load the plugins itself).
QByteArray pngCursor() {
    QByteArray header;
    appendU32BigEndian(header, 32);
    appendU32BigEndian(header, 32);
    header.append("\x08\x06\x00\x00\x00", 5);  // 8-bit RGBA
    QByteArray rows;
    for (int y = 0; y < 32; ++y) {
        rows.append('\0');
        for (int x = 0; x < 32; ++x) {
            rows.append("\x00\x00\x00\xff", 4);
        }
    }
    const QByteArray png = QByteArray("\x89PNG\r\n\x1a\n", 8) + pngChunk("IHDR", header) +
                           pngChunk("IDAT", qCompress(rows).mid(4)) + pngChunk("IEND", {});
    QByteArray bytes;
    appendU16LittleEndian(bytes, 0);
    appendU16LittleEndian(bytes, 2);  // a cursor
    appendU16LittleEndian(bytes, 1);  // one image
    bytes.append("\x20\x20\x00\x00", 4);
    appendU16LittleEndian(bytes, 5);  // the hotspot
    appendU16LittleEndian(bytes, 7);
    appendU32LittleEndian(bytes, static_cast<quint32>(png.size()));
    appendU32LittleEndian(bytes, 22);
    return bytes + png;
}

}  // namespace

// The window's start reads the hand cursor and paints its frames; neither may load the image
// plugins (and the libraries they bring), which only a picture being read needs. Meaningful in a
// process of its own, as CTest runs each test.
TEST(StartupPictures, TheHandCursorAndTheGroupBoxFrameLoadNoImagePlugin) {
    if (imagePluginLoaded()) {
        GTEST_SKIP() << "an earlier test in this process loaded the image plugins";
    }
    QTemporaryDir folder;
    const QString path = folder.filePath("HAND-M.CUR");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(pngCursor());
    file.close();
    const QCursor cursor = loadCursorFile(path);
    EXPECT_EQ(cursor.hotSpot(), QPoint(5, 7));
    EXPECT_EQ(cursor.pixmap().size(), QSize(32, 32));

    QGroupBox box(QStringLiteral("Picture Preview"));
    box.setStyle(frameStyle());
    box.resize(150, 150);
    EXPECT_FALSE(box.grab().isNull());
    EXPECT_FALSE(imagePluginLoaded());
}
