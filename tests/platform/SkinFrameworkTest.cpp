#include "platform/SkinFramework.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QWidget>

#include "platform/Failure.h"
#include "tests/support/TestFiles.h"

namespace {

class SkinFrameworkTest : public ::testing::Test {
protected:
    QString write(const QString& name, const QByteArray& content) {
        const QString path = temp.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return path;
    }

    // The description of the Failure loading `path` raises, or "" when it loads.
    std::string refusal(const QString& path) {
        try {
            skin.loadSkin(path, QString());
        } catch (const Failure& failure) {
            return failure.description();
        }
        return "";
    }

    QTemporaryDir temp;
    SkinFramework skin;
};

TEST_F(SkinFrameworkTest, Utf8StyleSheetLoadsWithoutItsByteOrderMarkAndStylesTheWindow) {
    const QString sheet = QStringLiteral("QLabel#caption { color: #102030; } /* Zoë */");
    skin.loadSkin(write("o.cjs", "\xEF\xBB\xBF" + sheet.toUtf8()), QString());
    EXPECT_EQ(skin.styleSheet(), sheet);

    QWidget window;
    auto* caption = new QLabel("Tavlora", &window);
    caption->setObjectName("caption");
    skin.applyWindow(&window);
    EXPECT_EQ(window.styleSheet(), sheet);
    caption->ensurePolished();
    EXPECT_EQ(caption->palette().color(QPalette::WindowText), QColor(0x10, 0x20, 0x30));
}

TEST_F(SkinFrameworkTest, FilesThatAreNotUtf8TextAreRefusedNamingTheFileAndKeepTheOldSkin) {
    const QByteArray good = "QWidget { background: white; }";
    skin.loadSkin(write("good.cjs", good), QString());

    const std::vector<QString> bad = {
        temp.filePath("missing.cjs"),
        write("with-nul.cjs", QByteArray("QWidget {\0}", 11)),
        write("latin1.cjs", "QLabel { font-family: \"Caf\xE9\"; }"),
        write("cut.cjs", "QLabel { } /* \xC3"),
        write("huge.cjs", QByteArray(1024 * 1024 + 1, ' ')),
    };
    for (const QString& path : bad) {
        const std::string description = refusal(path);
        EXPECT_TRUE(
            description.starts_with("Cannot load the skin " + testfiles::nativePath(path) + ": "))
            << path.toStdString() << " gave: " << description;
        EXPECT_EQ(skin.styleSheet(), QString::fromUtf8(good));
    }
    // Right at the size limit is still a skin.
    EXPECT_EQ(refusal(write("big.cjs", QByteArray(1024 * 1024, ' '))), "");
}

}  // namespace
