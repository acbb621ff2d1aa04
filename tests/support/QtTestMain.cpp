#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "tests/support/PrivateRegistry.h"

namespace {

// Points the home folder and every XDG folder into `home`, so that what Qt writes on its own
// (the file dialog's history in QtProject.conf, settings, caches) never reaches the real ones.
void useHomeFolder(const QTemporaryDir& home) {
    const QString root = home.path();
    const struct {
        const char* variable;
        const char* folder;
    } folders[] = {{"HOME", ""},
                   {"XDG_CONFIG_HOME", "/.config"},
                   {"XDG_DATA_HOME", "/.local/share"},
                   {"XDG_STATE_HOME", "/.local/state"},
                   {"XDG_CACHE_HOME", "/.cache"},
                   {"XDG_RUNTIME_DIR", "/runtime"}};
    for (const auto& f : folders) {
        const QString path = root + f.folder;
        QDir().mkpath(path);
        qputenv(f.variable, QFile::encodeName(path));
    }
    QFile::setPermissions(root + "/runtime",
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // Test listing and headless runs must never need a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QTemporaryDir home;
    if (!home.isValid()) {
        return 1;
    }
    useHomeFolder(home);
    // On Windows Qt keeps settings in the registry rather than under the home folder.
    const PrivateRegistry registry;
    if (!registry.isActive()) {
        return 1;
    }
    QApplication app(argc, argv);
    const int result = RUN_ALL_TESTS();
    // Qt 6.4's Wayland platform can wait for good as it disconnects when a window closed only
    // moments before (one in five runs that closed a box within 10 ms of showing it and then
    // ended); what the compositor still sends about that window is let in first.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        QTest::qWait(500);
    }
    return result;
}
