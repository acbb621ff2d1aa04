#include "game/window/PlayerMenu.h"

#include <QAction>
#include <QSettings>

#include "platform/AppIdentity.h"

namespace {

QSettings userSettings() {
    return QSettings(QSettings::UserScope, QString::fromLatin1(appidentity::kOrganization),
                     QString::fromLatin1(appidentity::kApplication));
}

}  // namespace

PlayerMenu::PlayerMenu(QWidget* parent) : QMenu(parent) {
    motion_ = addSwitch(tr("Motion"), "motion");
    sound_ = addSwitch(tr("Sound"), "sound");
}

QAction* PlayerMenu::addSwitch(const QString& text, const char* key) {
    QAction* action = addAction(text);
    action->setCheckable(true);
    action->setChecked(userSettings().value(key, true).toBool());
    connect(action, &QAction::toggled, this, [this, key](bool on) {
        userSettings().setValue(key, on);
        emit switchesChanged();
    });
    return action;
}

bool PlayerMenu::motionOn() const {
    return motion_->isChecked();
}

bool PlayerMenu::soundOn() const {
    return sound_->isChecked();
}
