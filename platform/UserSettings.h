#pragma once

#include <QSettings>
#include <memory>

// The game's own settings file (the player's switches, the file box's last folder), or none when
// what is under its name is not a regular file: QSettings opens whatever it finds there, and
// opening a named pipe waits for a writer without end. Without it the defaults hold for the run,
// and nothing is written.
std::unique_ptr<QSettings> openUserSettings();
