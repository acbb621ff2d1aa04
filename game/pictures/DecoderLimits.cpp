#include "game/pictures/DecoderLimits.h"

#include <QProcessEnvironment>

#include "platform/ChildProcess.h"

#ifndef _WIN32
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
    ProgramJob job;  // kill-on-close: ending this ends the program
};

DecoderConfinement::DecoderConfinement(QProcess& process, const DecodeLimits& limits)
    : process_(process), limits_(limits), job_(std::make_unique<Job>()) {}

DecoderConfinement::~DecoderConfinement() = default;

bool DecoderConfinement::confine() {
    return job_->job.limit(limits_.memoryBytes, limits_.processorTime.count()) &&
           job_->job.add(process_.processId());
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

#endif
