#pragma once

#include <QObject>
#include <QVariant>

// The desktop's own switches for animations and event sounds. On Linux the settings portal
// publishes them (GNOME's "enable-animations" and "event-sounds", KDE's animation speed, where 0
// means none) and tells of every change; on Windows animations follow the system's "Show
// animations". With no answer, both are on.
class DesktopSwitches : public QObject {
    Q_OBJECT
public:
    explicit DesktopSwitches(QObject* parent);

    // Asks the desktop without waiting; the answer, and every later change, arrive as `changed`.
    // Nothing is asked before the first call, so starting the program costs nothing.
    void ask();
    bool animations() const { return !gnomeOff_ && !kdeOff_; }
    bool eventSounds() const { return !soundsOff_; }

signals:
    void changed();

private:
    void take(const QString& group, const QString& key, const QVariant& value);

    bool asked_ = false;
    bool gnomeOff_ = false;
    bool kdeOff_ = false;
    bool soundsOff_ = false;
};
