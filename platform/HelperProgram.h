#pragma once

#include <QString>

class QProcess;

// The game's helper programs (tavlora-decode, tavlora-sound) are found and ended here, one way for
// all of them.

// `name` beside the running program, with the system's ending for programs.
QString helperProgramPath(const QString& name);

// Ends a helper at once, whatever it is doing: killed, and given a moment to go. One that is not
// gone by then (stuck in the system, or not yet scheduled on a busy machine) is not waited for: its
// QProcess is deleted when it ends, and no destructor waits for it meanwhile.
void endHelperAtOnce(QProcess*& process);
