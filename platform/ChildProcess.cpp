#include "platform/ChildProcess.h"

#include <QProcess>

#ifdef _WIN32
#include <windows.h>
#elif defined(__linux__)
#include <sys/prctl.h>
#include <unistd.h>
#include <csignal>
#endif

#ifdef _WIN32

ProgramJob::ProgramJob() : handle_(CreateJobObjectW(nullptr, nullptr)) {
    limit(0, 0);
}

ProgramJob::~ProgramJob() {
    if (handle_ != nullptr) {
        CloseHandle(handle_);
    }
}

bool ProgramJob::limit(qint64 memoryBytes, qint64 processorSeconds) {
    if (handle_ == nullptr) {
        return false;
    }
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION info = {};
    info.BasicLimitInformation.LimitFlags =
        JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE | JOB_OBJECT_LIMIT_DIE_ON_UNHANDLED_EXCEPTION;
    if (memoryBytes > 0) {
        info.BasicLimitInformation.LimitFlags |= JOB_OBJECT_LIMIT_PROCESS_MEMORY;
        info.ProcessMemoryLimit = static_cast<SIZE_T>(memoryBytes);
    }
    if (processorSeconds > 0) {
        info.BasicLimitInformation.LimitFlags |= JOB_OBJECT_LIMIT_PROCESS_TIME;
        // In units of 100 ns.
        info.BasicLimitInformation.PerProcessUserTimeLimit.QuadPart =
            static_cast<LONGLONG>(processorSeconds) * 10'000'000;
    }
    return SetInformationJobObject(handle_, JobObjectExtendedLimitInformation, &info,
                                   sizeof info) != 0;
}

bool ProgramJob::add(qint64 processId) {
    if (handle_ == nullptr) {
        return false;
    }
    HANDLE child =
        OpenProcess(PROCESS_SET_QUOTA | PROCESS_TERMINATE, FALSE, static_cast<DWORD>(processId));
    if (child == nullptr) {
        return false;
    }
    const bool added = AssignProcessToJobObject(handle_, child) != 0;
    CloseHandle(child);
    return added;
}

void endWithThisProgram(QProcess& process) {
    // Never closed by the program: the system closes it when this program ends, however it ends.
    static ProgramJob* const job = new ProgramJob;
    // QProcess tells of the start from within start() on Windows, before start() returns.
    QObject::connect(&process, &QProcess::started, &process,
                     [&process] { job->add(process.processId()); });
}

#elif defined(__linux__)

void endWithThisProgram(QProcess& process) {
    const pid_t parent = getpid();
    const auto before = process.childProcessModifier();
    // Runs in the child between fork and exec, where only calls safe after a fork may be made.
    process.setChildProcessModifier([before, parent] {
        if (prctl(PR_SET_PDEATHSIG, SIGKILL) != 0 || getppid() != parent) {
            _exit(127);  // the parent is gone already, or could not be followed
        }
        if (before) {
            before();
        }
    });
}

#else

void endWithThisProgram(QProcess&) {}

#endif
