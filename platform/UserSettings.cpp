#include "platform/UserSettings.h"

#include <QFileInfo>
#include <QStandardPaths>

#include "platform/AppIdentity.h"

std::unique_ptr<QSettings> openUserSettings() {
#ifdef _WIN32
    // The registry: no file to be anything else.
    return std::make_unique<QSettings>(QSettings::UserScope,
                                       QString::fromLatin1(appidentity::kOrganization),
                                       QString::fromLatin1(appidentity::kApplication));
#else
    // Where QSettings keeps this program's user settings, and only that file: the organization's
    // and the system's files, which it would read as well, hold nothing of the game's.
    const QString path = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                         QStringLiteral("/%1/%2.conf")
                             .arg(QString::fromLatin1(appidentity::kOrganization),
                                  QString::fromLatin1(appidentity::kApplication));
    const QFileInfo entry(path);
    if (entry.exists() && !entry.isFile()) {
        return nullptr;
    }
    return std::make_unique<QSettings>(path, QSettings::NativeFormat);
#endif
}
