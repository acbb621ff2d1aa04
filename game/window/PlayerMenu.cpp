#include "game/window/PlayerMenu.h"

#include <QAction>
#include <QSettings>

namespace {

constexpr const char* kMotionKey = "motion";

QSettings userSettings() {
    return QSettings(QSettings::UserScope, QStringLiteral("Tavlora"), QStringLiteral("Tavlora"));
}

}  // namespace

PlayerMenu::PlayerMenu(QWidget* parent) : QMenu(parent) {
    motion_ = addAction(tr("Motion"));
    motion_->setCheckable(true);
    motion_->setChecked(userSettings().value(kMotionKey, true).toBool());
    connect(motion_, &QAction::toggled, this, [this](bool on) {
        userSettings().setValue(kMotionKey, on);
        emit switchesChanged();
    });
}

bool PlayerMenu::motionOn() const {
    return motion_->isChecked();
}
