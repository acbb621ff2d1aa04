#include "tests/scores/ProcessPause.h"

#ifdef _WIN32

#include <windows.h>
// windows.h first: tlhelp32.h uses its types.
#include <tlhelp32.h>

#include <functional>

namespace {

// Calls `act` with each thread of the process, opened for suspending and resuming.
void forEachThread(qint64 pid, const std::function<void(HANDLE)>& act) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (snapshot == INVALID_HANDLE_VALUE) {
        return;
    }
    THREADENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry)) {
        if (entry.th32OwnerProcessID != static_cast<DWORD>(pid)) {
            continue;
        }
        HANDLE thread =
            OpenThread(THREAD_SUSPEND_RESUME | THREAD_GET_CONTEXT, FALSE, entry.th32ThreadID);
        if (thread != nullptr) {
            act(thread);
            CloseHandle(thread);
        }
    }
    CloseHandle(snapshot);
}

}  // namespace

void pauseProcess(qint64 pid) {
    forEachThread(pid, [](HANDLE thread) {
        if (SuspendThread(thread) != static_cast<DWORD>(-1)) {
            // SuspendThread only asks; reading the thread's registers waits until it has stopped.
            CONTEXT context{};
            context.ContextFlags = CONTEXT_CONTROL;
            GetThreadContext(thread, &context);
        }
    });
}

void resumeProcess(qint64 pid) {
    forEachThread(pid, [](HANDLE thread) { ResumeThread(thread); });
}

#else

#include <signal.h>

#include <QByteArray>
#include <QFile>
#include <QString>
#include <thread>

namespace {

bool isStopped(qint64 pid) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly)) {
        return true;  // gone
    }
    const QByteArray text = stat.readAll();
    const qsizetype end = text.lastIndexOf(')');
    return end >= 0 && end + 2 < text.size() &&
           (text[end + 2] == 'T' || text[end + 2] == 't' || text[end + 2] == 'Z');
}

}  // namespace

void pauseProcess(qint64 pid) {
    ::kill(static_cast<pid_t>(pid), SIGSTOP);
    while (!isStopped(pid)) {
        std::this_thread::yield();
    }
}

void resumeProcess(qint64 pid) {
    ::kill(static_cast<pid_t>(pid), SIGCONT);
}

#endif
