#include "platform/UserSettings.h"

#include <QFileInfo>
#include <QStandardPaths>

std::unique_ptr<QSettings> openUserSettings() {
#ifdef _WIN32
    // The registry: no file to be anything else.
    return std::make_unique<QSettings>(QSettings::UserScope, QStringLiteral("Tavlora"),
                                       QStringLiteral("Tavlora"));
#else
    // Where QSettings keeps this program's user settings, and only that file: the organization's
    // and the system's files, which it would read as well, hold nothing of the game's.
    const QString path = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                         QStringLiteral("/Tavlora/Tavlora.conf");
    const QFileInfo entry(path);
    if (entry.exists() && !entry.isFile()) {
        return nullptr;
    }
    return std::make_unique<QSettings>(path, QSettings::NativeFormat);
#endif
}
