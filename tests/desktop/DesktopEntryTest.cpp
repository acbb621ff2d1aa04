#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QMap>
#include <QTemporaryDir>
#include <QTextStream>

#include "game/pictures/PictureLoader.h"
#include "tests/desktop/LoadedWindow.h"
#include "tests/support/TestFiles.h"

namespace {

QMap<QString, QString> desktopEntry() {
    QFile file(TAVLORA_DESKTOP_ENTRY);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
    QMap<QString, QString> keys;
    QTextStream lines(&file);
    while (!lines.atEnd()) {
        const QString line = lines.readLine();
        const qsizetype equals = line.indexOf(u'=');
        if (equals > 0) {
            keys.insert(line.left(equals), line.mid(equals + 1));
        }
    }
    return keys;
}

// A small file of the given type, or "" when the test knows no way to make one.
QString writeSample(const QString& type, const QDir& folder) {
    QImage picture(64, 48, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    if (type == "image/gif") {
        // Qt reads GIF but cannot write it: one white pixel, by hand, its data ended by an empty
        // block.
        const QString path = folder.filePath("sample.gif");
        testfiles::writeBytes(path, QByteArray::fromHex("47494638396101000100800000ffffff000000"
                                                        "2c00000000010001000002024400003b"));
        return path;
    }
    // Any of the three Netpbm kinds is a .pnm file.
    const QByteArray format = type == "image/x-portable-anymap"
                                  ? QByteArray("ppm")
                                  : QImageWriter::imageFormatsForMimeType(type.toLatin1()).value(0);
    const QString path = folder.filePath("sample-" + QString::fromLatin1(format) + ".pnm");
    if (format.isEmpty() || !picture.save(path, format.constData())) {
        return QString();
    }
    return path;
}

TEST(DesktopEntry, OffersOnlyPictureTypesTheGameLoads) {
    const QStringList types = desktopEntry().value("MimeType").split(u';', Qt::SkipEmptyParts);
    ASSERT_GE(types.size(), 10);
    QTemporaryDir folder;
    for (const QString& type : types) {
        SCOPED_TRACE(type.toStdString());
        const QString sample = writeSample(type, QDir(folder.path()));
        ASSERT_FALSE(sample.isEmpty());
        // Named .pnm whatever it holds, so only the content can lead the loader to it.
        EXPECT_EQ(loadPuzzlePicture(sample).size(), QSize(400, 400));
    }
}

TEST(DesktopEntry, StartupClassIsTheClassOfTheLoadedWindow) {
    // Qt names the window's X11 class after the application, which the load renames.
    LoadedWindow window;
    EXPECT_EQ(desktopEntry().value("StartupWMClass"), QCoreApplication::applicationName());
}

}  // namespace
