#include "game/window/PlayerMenu.h"

#include <QAction>

#include "platform/UserSettings.h"

PlayerMenu::PlayerMenu(QWidget* parent) : QMenu(parent) {
    motion_ = addSwitch(tr("Motion"), "motion");
    sound_ = addSwitch(tr("Sound"), "sound");
}

QAction* PlayerMenu::addSwitch(const QString& text, const char* key) {
    QAction* action = addAction(text);
    action->setCheckable(true);
    const auto settings = openUserSettings();
    action->setChecked(settings == nullptr || settings->value(key, true).toBool());
    connect(action, &QAction::toggled, this, [this, key](bool on) {
        if (const auto stored = openUserSettings()) {
            stored->setValue(key, on);
        }
        emit switchesChanged();
    });
    return action;
}

void PlayerMenu::open(const QPoint& where, bool fromKeyboard) {
    popup(where);
    if (fromKeyboard) {
        // As the desktop's own menus do: the first item is selected, so Return alone takes it.
        setActiveAction(actions().value(0));
    }
}

bool PlayerMenu::motionOn() const {
    return motion_->isChecked();
}

bool PlayerMenu::soundOn() const {
    return sound_->isChecked();
}
