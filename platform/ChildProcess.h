#pragma once

#include <QtGlobal>

class QProcess;

// Makes a helper program end when this program ends, however this one ends (a crash, SIGKILL,
// the task manager), so that none is left behind waiting on a sound server or a pipe.
// Called before `process` starts. On Linux the system sends the program SIGKILL when its parent
// dies (set between fork and exec, after any child-process modifier set before this call); a
// program whose parent died before that is ended at once. Linux counts the thread that started
// the program as its parent: start it from one that lives as long as the game (the window's). On
// Windows the program joins a job object of this program's that ends its programs when it is
// closed, which the system does when this program ends.
void endWithThisProgram(QProcess& process);

#ifdef _WIN32
// A Windows job object that ends every program in it when it is closed: by the destructor, or by
// the system when this program ends.
class ProgramJob {
public:
    ProgramJob();
    ~ProgramJob();
    ProgramJob(const ProgramJob&) = delete;
    ProgramJob& operator=(const ProgramJob&) = delete;

    // Limits every program in the job: `memoryBytes` of committed memory each and
    // `processorSeconds` of processor time each (0: no such limit); a program that crashes ends
    // without the system's error box. False when the system refused.
    bool limit(qint64 memoryBytes, qint64 processorSeconds);
    // Puts the running program `processId` in the job; false when the system refused.
    bool add(qint64 processId);

private:
    void* handle_ = nullptr;
};
#endif
