#pragma once

#include <QtGlobal>

// Freezes another process where it stands and lets it go on again: SIGSTOP and SIGCONT on Linux,
// every thread suspended and resumed on Windows. pauseProcess() returns once the process has
// stopped running (or is gone), so whatever the test then looks at stays as it is.
void pauseProcess(qint64 pid);
void resumeProcess(qint64 pid);
