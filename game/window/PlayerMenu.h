#pragma once

#include <QMenu>

class QAction;

// The window's own menu, opened by a right click on its background, the Menu key or Shift+F10:
// the player's switches, remembered in the game's settings file from one run to the next.
class PlayerMenu : public QMenu {
    Q_OBJECT
public:
    explicit PlayerMenu(QWidget* parent);

    // Opens at `where`; opened from the keyboard, with its first item selected.
    void open(const QPoint& where, bool fromKeyboard);
    bool motionOn() const;
    bool soundOn() const;
    QAction* motionAction() const { return motion_; }
    QAction* soundAction() const { return sound_; }

signals:
    void switchesChanged();

private:
    QAction* addSwitch(const QString& text, const char* key);

    QAction* motion_;
    QAction* sound_;
};
