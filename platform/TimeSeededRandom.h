#pragma once

#include <cstdint>
#include <functional>

#include "platform/RandomSource.h"

// The program's random source: a 64-bit mixing generator whose state absorbs the time of day on
// every reseed instead of being replaced by it.
class TimeSeededRandom : public RandomSource {
public:
    using TimeOfDay = std::function<double()>;  // seconds since midnight

    TimeSeededRandom();
    explicit TimeSeededRandom(TimeOfDay timeOfDay);

    void reseedFromTimeOfDay() override;
    double nextUniform() override;

    static double systemTimeOfDay();

private:
    std::uint64_t nextBits();

    TimeOfDay timeOfDay_;
    std::uint64_t state_ = 0x243f6a8885a308d3ULL;
};
