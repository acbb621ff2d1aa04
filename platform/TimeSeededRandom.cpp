#include "platform/TimeSeededRandom.h"

#include <bit>
#include <chrono>
#include <utility>

TimeSeededRandom::TimeSeededRandom() : TimeSeededRandom(&TimeSeededRandom::systemTimeOfDay) {}

TimeSeededRandom::TimeSeededRandom(TimeOfDay timeOfDay) : timeOfDay_(std::move(timeOfDay)) {}

double TimeSeededRandom::systemTimeOfDay() {
    using namespace std::chrono;
    const auto now = system_clock::now().time_since_epoch();
    const auto sinceMidnight = now - floor<days>(now);
    return duration<double>(sinceMidnight).count();
}

void TimeSeededRandom::reseedFromTimeOfDay() {
    // Adding rather than assigning keeps the sequence moving while the clock stands still.
    state_ += std::bit_cast<std::uint64_t>(timeOfDay_());
    nextBits();
}

std::uint64_t TimeSeededRandom::nextBits() {
    // splitmix64: every state gives a well-mixed output and the state walks a full-period cycle.
    std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

double TimeSeededRandom::nextUniform() {
    // The top 53 bits fill a double's mantissa exactly, so the result is always below 1.
    return static_cast<double>(nextBits() >> 11) * 0x1.0p-53;
}
