#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QGroupBox>
#include <QLibraryInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <functional>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "platform/HoverPushButton.h"
#include "platform/Translations.h"
#include "tests/desktop/LoadedWindow.h"
#include "tests/l10n/L10nSupport.h"

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

}  // namespace

TEST(BadCatalogue, MissingEmptyCutShortRandomOrForeignCataloguesMeanEnglishWithoutAReport) {
    const QByteArray german = readAll(catalogueFolder() + "/tavlora_de.qm");
    ASSERT_GT(german.size(), 64);
    QRandomGenerator random(19);
    QByteArray noise(german.size(), '\0');
    for (char& byte : noise) {
        byte = static_cast<char>(random.bounded(256));
    }
    QByteArray signedNoise = german.first(16) + noise.mid(16);
    const struct {
        const char* what;
        std::function<QByteArray()> bytes;  // nothing written when null
    } cases[] = {
        {"missing", nullptr},
        {"empty", [] { return QByteArray(); }},
        {"signature only", [&] { return german.first(16); }},
        {"cut in half", [&] { return german.first(german.size() / 2); }},
        {"one byte short", [&] { return german.first(german.size() - 1); }},
        {"random bytes", [&] { return noise; }},
        {"random bytes after the signature", [&] { return signedNoise; }},
        {"another program's catalogue",
         [] {
             return readAll(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_de.qm");
         }},
    };
    for (const auto& c : cases) {
        QTemporaryDir folder;
        ASSERT_TRUE(folder.isValid());
        if (c.bytes) {
            QFile file(folder.path() + "/tavlora_de.qm");
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(c.bytes());
        }
        Translations translations;
        EXPECT_EQ(translations.install(QLocale("de_DE"), folder.path()).toStdString(), "")
            << c.what;
        LoadedWindow window;
        EXPECT_EQ(window.form().PushButton2->text().toStdString(), "Start Game") << c.what;
        EXPECT_EQ(window.form().Frame1->title().toStdString(), "Picture Preview") << c.what;
        // Qt's own buttons stay English with the game.
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel").toStdString(), "Cancel")
            << c.what;
    }
    // The whole catalogue, copied, is taken.
    QTemporaryDir folder;
    QFile file(folder.path() + "/tavlora_de.qm");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(german);
    file.close();
    Translations translations;
    EXPECT_EQ(translations.install(QLocale("de"), folder.path()).toStdString(), "de");
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel").toStdString(), "Abbrechen");
}

// Opening a named pipe waits for a writer that never comes; the game must start, in English.
TEST(BadCatalogue, APipeOrADeviceUnderACataloguesNameMeansEnglishAtOnce) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows has no named pipes among the files of a folder";
#else
    // Each is a name a German desktop's catalogue is looked for under.
    for (const char* name : {"tavlora_de.qm", "tavlora_de", "tavlora.qm"}) {
        QTemporaryDir folder;
        ASSERT_TRUE(folder.isValid());
        ASSERT_EQ(::mkfifo(QFile::encodeName(folder.filePath(name)).constData(), 0600), 0);
        Translations translations;
        EXPECT_EQ(translations.install(QLocale("de_DE"), folder.path()).toStdString(), "") << name;
    }
    QTemporaryDir folder;
    ASSERT_TRUE(QFile::link("/dev/zero", folder.filePath("tavlora_de.qm")));
    Translations translations;
    EXPECT_EQ(translations.install(QLocale("de_DE"), folder.path()).toStdString(), "");
#endif
}
