#pragma once

#include <QObject>
#include <QVariant>

// The desktop's own switch for animations. On Linux the settings portal publishes it (GNOME's
// "enable-animations", KDE's animation speed, where 0 means none) and tells of every change; on
// Windows it is the system's "Show animations". With no answer, animations are on.
class DesktopAnimations : public QObject {
    Q_OBJECT
public:
    explicit DesktopAnimations(QObject* parent);

    // Asks the desktop without waiting; the answer, and every later change, arrive as `changed`.
    // Nothing is asked before the first call, so starting the program costs nothing.
    void ask();
    bool enabled() const { return !gnomeOff_ && !kdeOff_; }

signals:
    void changed();

private:
    void take(const QString& group, const QString& key, const QVariant& value);

    bool asked_ = false;
    bool gnomeOff_ = false;
    bool kdeOff_ = false;
};
