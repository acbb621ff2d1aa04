#include "game/pictures/DecoderLimits.h"

#include <QProcessEnvironment>

#include "platform/ChildProcess.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace {

#if defined(__SANITIZE_ADDRESS__)
// AddressSanitizer reserves terabytes of writable memory for its shadow, which no data limit
// leaves room for. A sanitizer build gives the decoder the sanitizer's own limits
// instead: an allocation past the limit returns null as malloc does under the system's limit, and
// the process ends if its resident memory grows past twice the limit (the sanitizer's quarantine
// and shadow count there).
void useSanitizerLimits(QProcess& process, const DecodeLimits& limits) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    const long long mebibytes = limits.memoryBytes >> 20;
    QString options = environment.value(QStringLiteral("ASAN_OPTIONS"));
    if (!options.isEmpty()) {
        options += QLatin1Char(':');
    }
    options += QStringLiteral(
                   "allocator_may_return_null=1:max_allocation_size_mb=%1:"
                   "hard_rss_limit_mb=%2:detect_leaks=0")
                   .arg(mebibytes)
                   .arg(2 * mebibytes + 512);
    environment.insert(QStringLiteral("ASAN_OPTIONS"), options);
    process.setProcessEnvironment(environment);
}
#endif

}  // namespace

#ifdef _WIN32

struct DecoderConfinement::Job {
    HANDLE handle = nullptr;
};

DecoderConfinement::DecoderConfinement(QProcess& process, const DecodeLimits& limits)
    : process_(process), limits_(limits), job_(std::make_unique<Job>()) {}

DecoderConfinement::~DecoderConfinement() {
    if (job_->handle != nullptr) {
        CloseHandle(job_->handle);
    }
}

// The call that failed, and why in the system's words: "AssignProcessToJobObject: Access is
// denied." A program left without its limits is never handed a picture.
static QString systemFailure(const char* call) {
    const DWORD error = GetLastError();
    return QStringLiteral("%1: %2").arg(QLatin1String(call),
                                        qt_error_string(static_cast<int>(error)));
}

bool DecoderConfinement::confine() {
    job_->handle = CreateJobObjectW(nullptr, nullptr);
    if (job_->handle == nullptr) {
        failure_ = systemFailure("CreateJobObject");
        return false;
    }
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION info = {};
    info.BasicLimitInformation.LimitFlags =
        JOB_OBJECT_LIMIT_PROCESS_MEMORY | JOB_OBJECT_LIMIT_PROCESS_TIME |
        JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE | JOB_OBJECT_LIMIT_DIE_ON_UNHANDLED_EXCEPTION;
    info.ProcessMemoryLimit = static_cast<SIZE_T>(limits_.memoryBytes);
    // In units of 100 ns.
    info.BasicLimitInformation.PerProcessUserTimeLimit.QuadPart =
        static_cast<LONGLONG>(limits_.processorTime.count()) * 10'000'000;
    if (!SetInformationJobObject(job_->handle, JobObjectExtendedLimitInformation, &info,
                                 sizeof info)) {
        failure_ = systemFailure("SetInformationJobObject");
        return false;
    }
    HANDLE child = OpenProcess(PROCESS_SET_QUOTA | PROCESS_TERMINATE, FALSE,
                               static_cast<DWORD>(process_.processId()));
    if (child == nullptr) {
        failure_ = systemFailure("OpenProcess");
        return false;
    }
    const bool assigned = AssignProcessToJobObject(job_->handle, child) != 0;
    if (!assigned) {
        failure_ = systemFailure("AssignProcessToJobObject");
    }
    CloseHandle(child);
    return assigned;
}

bool DecoderConfinement::ranOutOfProcessorTime() const {
    if (job_->handle == nullptr) {
        return false;
    }
    // A process ended at its limit has used all of it: the job's accounting keeps the user time
    // of the processes that ended in it. (Windows ends it with the status ERROR_NOT_ENOUGH_QUOTA,
    // which a crash could give too.)
    JOBOBJECT_BASIC_ACCOUNTING_INFORMATION accounting = {};
    if (!QueryInformationJobObject(job_->handle, JobObjectBasicAccountingInformation, &accounting,
                                   sizeof accounting, nullptr)) {
        return false;
    }
    const LONGLONG limit = static_cast<LONGLONG>(limits_.processorTime.count()) * 10'000'000;
    return limit > 0 && accounting.TotalUserTime.QuadPart >= limit;
}

#else

struct DecoderConfinement::Job {};

DecoderConfinement::DecoderConfinement(QProcess& process, const DecodeLimits& limits)
    : process_(process), limits_(limits) {
#if defined(__SANITIZE_ADDRESS__)
    useSanitizerLimits(process_, limits_);
    constexpr bool kLimitData = false;
#else
    constexpr bool kLimitData = true;
#endif
    const rlim_t memory = static_cast<rlim_t>(limits_.memoryBytes);
    const rlim_t seconds = static_cast<rlim_t>(limits_.processorTime.count());
    // Runs in the child between fork and exec, where only calls safe after a fork may be made.
    process_.setChildProcessModifier([memory, seconds] {
        // The soft processor limit sends SIGXCPU, which the decoder answers as "too large"; a
        // second later the hard limit ends it. A crash of the decoder leaves no core file.
        const rlimit data = {memory, memory};
        const rlimit processor = {seconds, seconds + 1};
        const rlimit core = {0, 0};
        if ((kLimitData && setrlimit(RLIMIT_DATA, &data) != 0) ||
            setrlimit(RLIMIT_CPU, &processor) != 0 || setrlimit(RLIMIT_CORE, &core) != 0) {
            _exit(127);  // never decode without the limits
        }
    });
    // Nor outlive the game.
    endWithThisProgram(process_);
}

DecoderConfinement::~DecoderConfinement() = default;

bool DecoderConfinement::confine() {
    return true;
}

bool DecoderConfinement::ranOutOfProcessorTime() const {
    return false;
}

#endif
