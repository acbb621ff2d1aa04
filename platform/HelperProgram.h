#pragma once

#include <QString>

class QProcess;

// The game's helper programs (tavlora-decode, tavlora-sound) are found and ended here, one way for
// all of them.

// `name` beside the running program, with the system's ending for programs.
QString helperProgramPath(const QString& name);

// Ends a helper at once, whatever it is doing: killed, and given a moment to go. One that is not
// gone by then (stuck in the system) is left to the system rather than waited for: its QProcess is
// let go, so that no destructor waits for it either.
void endHelperAtOnce(QProcess*& process);
