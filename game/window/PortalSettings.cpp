#include "game/window/PortalSettings.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>

#include "platform/SessionBus.h"

namespace {

constexpr const char* kService = "org.freedesktop.portal.Desktop";
constexpr const char* kPath = "/org/freedesktop/portal/desktop";
constexpr const char* kInterface = "org.freedesktop.portal.Settings";

// "Read" wraps the value in one more variant than the change signal does.
QVariant unwrapped(QVariant value) {
    while (value.userType() == qMetaTypeId<QDBusVariant>()) {
        value = value.value<QDBusVariant>().variant();
    }
    return value;
}

}  // namespace

PortalSettings::PortalSettings(QObject* parent) : QObject(parent) {}

void PortalSettings::read(const QString& group, const QString& key) {
    if (!sessionBusNamed()) {
        return;
    }
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        return;
    }
    if (!listening_) {
        // The bus finds the slot's parameter types by their names, and Qt 6.4 knows a type's name
        // only once it has been registered: until then the connection failed without a word, and
        // only the first value was ever read.
        qRegisterMetaType<QDBusVariant>();
        listening_ = bus.connect(kService, kPath, kInterface, QStringLiteral("SettingChanged"),
                                 this, SLOT(settingChanged(QString, QString, QDBusVariant)));
    }
    // "Read" is there in every version of the portal; "ReadOne" only from version 2.
    QDBusMessage call =
        QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("Read"));
    call << group << key;
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, group, key](QDBusPendingCallWatcher* answer) {
                const QDBusPendingReply<QDBusVariant> reply = *answer;
                if (!reply.isError()) {
                    emit valueChanged(group, key, unwrapped(reply.argumentAt(0)));
                }
                answer->deleteLater();
            });
}

void PortalSettings::settingChanged(const QString& group, const QString& key,
                                    const QDBusVariant& value) {
    emit valueChanged(group, key, unwrapped(value.variant()));
}
