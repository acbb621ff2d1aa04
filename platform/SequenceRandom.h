#pragma once

#include <cstddef>
#include <vector>

#include "platform/RandomSource.h"

// A random source that repeats a fixed list of numbers, for tests and reproducible shuffles.
// Reseeding does not disturb the list.
class SequenceRandom : public RandomSource {
public:
    explicit SequenceRandom(std::vector<double> values);

    void reseedFromTimeOfDay() override { ++reseeds_; }
    double nextUniform() override;

    std::size_t reseeds() const { return reseeds_; }
    std::size_t draws() const { return draws_; }

private:
    std::vector<double> values_;
    std::size_t draws_ = 0;
    std::size_t reseeds_ = 0;
};
