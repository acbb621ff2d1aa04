#pragma once

#include <QObject>
#include <QVariant>

class QDBusVariant;

// The desktop's settings as the settings portal publishes them on the session bus. Every call
// returns at once; values arrive as `valueChanged`, the ones asked for and every later change.
class PortalSettings : public QObject {
    Q_OBJECT
public:
    explicit PortalSettings(QObject* parent);

    // Listens for changes from now on and asks for the value of `key` in `group`. Silent when
    // there is no session bus, no portal, or the portal does not know the key. Where the session
    // names no bus, none is connected to (the bus library would launch one that outlives the game).
    void read(const QString& group, const QString& key);

signals:
    void valueChanged(const QString& group, const QString& key, const QVariant& value);

private slots:
    void settingChanged(const QString& group, const QString& key, const QDBusVariant& value);

private:
    bool listening_ = false;
};
