#include "tests/support/ProcessMemory.h"

#ifdef _WIN32

#include <windows.h>
// windows.h first: psapi.h uses its types.
#include <psapi.h>

namespace {

long kilobytes(SIZE_T bytes) {
    return static_cast<long>(bytes / 1024);
}

bool memoryCounters(PROCESS_MEMORY_COUNTERS& counters) {
    return GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters) != 0;
}

}  // namespace

long residentKilobytes() {
    PROCESS_MEMORY_COUNTERS counters{};
    return memoryCounters(counters) ? kilobytes(counters.WorkingSetSize) : -1;
}

long peakResidentKilobytes() {
    PROCESS_MEMORY_COUNTERS counters{};
    return memoryCounters(counters) ? kilobytes(counters.PeakWorkingSetSize) : -1;
}

bool restartPeakCount() {
    return true;
}

#else

#include <fstream>
#include <sstream>
#include <string>

namespace {

// A field of /proc/self/status in kB ("VmRSS", "VmHWM").
long statusKilobytes(const char* field) {
    std::ifstream status("/proc/self/status");
    const std::string wanted = std::string(field) + ":";
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(wanted, 0) == 0) {
            std::istringstream value(line.substr(wanted.size()));
            long kb = -1;
            value >> kb;
            return kb;
        }
    }
    return -1;
}

}  // namespace

long residentKilobytes() {
    return statusKilobytes("VmRSS");
}

long peakResidentKilobytes() {
    return statusKilobytes("VmHWM");
}

// Linux 4.0 and later reset the peak resident size through clear_refs.
bool restartPeakCount() {
    std::ofstream clearRefs("/proc/self/clear_refs");
    clearRefs << "5";
    clearRefs.flush();
    return static_cast<bool>(clearRefs);
}

#endif
