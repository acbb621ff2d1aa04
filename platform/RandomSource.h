#pragma once

// Uniform numbers in [0, 1) that can be reseeded from the time of day.
class RandomSource {
public:
    virtual ~RandomSource() = default;

    // Folds the time of day into the state. Never restarts a sequence already drawn, so draws keep
    // changing while the time of day stands still.
    virtual void reseedFromTimeOfDay() = 0;
    virtual double nextUniform() = 0;
};
