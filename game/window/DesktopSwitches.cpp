#include "game/window/DesktopSwitches.h"

#if defined(TAVLORA_HAVE_DBUS)
#include "game/window/PortalSettings.h"
#elif defined(Q_OS_WIN)
#include <windows.h>
#endif

namespace {

constexpr const char* kGnomeGroup = "org.gnome.desktop.interface";
constexpr const char* kGnomeKey = "enable-animations";
constexpr const char* kKdeGroup = "org.kde.kdeglobals.KDE";
constexpr const char* kKdeKey = "AnimationDurationFactor";
constexpr const char* kSoundGroup = "org.gnome.desktop.sound";
constexpr const char* kSoundKey = "event-sounds";

}  // namespace

DesktopSwitches::DesktopSwitches(QObject* parent) : QObject(parent) {}

void DesktopSwitches::ask() {
#if defined(TAVLORA_HAVE_DBUS)
    if (asked_) {
        return;  // the portal tells of every change from here on
    }
    asked_ = true;
    auto* portal = new PortalSettings(this);
    connect(portal, &PortalSettings::valueChanged, this, &DesktopSwitches::take);
    portal->read(QString::fromLatin1(kGnomeGroup), QString::fromLatin1(kGnomeKey));
    portal->read(QString::fromLatin1(kKdeGroup), QString::fromLatin1(kKdeKey));
    portal->read(QString::fromLatin1(kSoundGroup), QString::fromLatin1(kSoundKey));
#elif defined(Q_OS_WIN)
    // Windows tells a change only to a window procedure, so the switch is read at every game's
    // start instead.
    asked_ = true;
    BOOL animate = TRUE;
    if (SystemParametersInfoW(SPI_GETCLIENTAREAANIMATION, 0, &animate, 0)) {
        take(QString::fromLatin1(kGnomeGroup), QString::fromLatin1(kGnomeKey),
             QVariant(animate != FALSE));
    }
#endif
}

void DesktopSwitches::take(const QString& group, const QString& key, const QVariant& value) {
    const bool was = animations();
    const bool soundsWere = eventSounds();
    // A value of another type than the key's own (a struct, a text, a number for a switch) is
    // ignored: converted, it would read as "off".
    const int type = value.typeId();
    if (group == QLatin1String(kGnomeGroup) && key == QLatin1String(kGnomeKey) &&
        type == QMetaType::Bool) {
        gnomeOff_ = !value.toBool();
    } else if (group == QLatin1String(kKdeGroup) && key == QLatin1String(kKdeKey) &&
               type == QMetaType::Double) {
        kdeOff_ = value.toDouble() == 0.0;
    } else if (group == QLatin1String(kSoundGroup) && key == QLatin1String(kSoundKey) &&
               type == QMetaType::Bool) {
        soundsOff_ = !value.toBool();
    } else {
        return;
    }
    if (animations() != was || eventSounds() != soundsWere) {
        emit changed();
    }
}
