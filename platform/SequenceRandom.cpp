#include "platform/SequenceRandom.h"

#include <stdexcept>
#include <utility>

SequenceRandom::SequenceRandom(std::vector<double> values) : values_(std::move(values)) {
    if (values_.empty()) {
        throw std::invalid_argument("SequenceRandom needs at least one value");
    }
    for (double v : values_) {
        if (!(v >= 0.0 && v < 1.0)) {
            throw std::invalid_argument("SequenceRandom values must lie in [0, 1)");
        }
    }
}

double SequenceRandom::nextUniform() {
    return values_[draws_++ % values_.size()];
}
