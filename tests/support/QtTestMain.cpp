#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

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
        setenv(f.variable, QFile::encodeName(path).constData(), 1);
    }
    QFile::setPermissions(root + "/runtime",
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // Test listing and headless runs must never need a display.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QTemporaryDir home;
    if (!home.isValid()) {
        return 1;
    }
    useHomeFolder(home);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
