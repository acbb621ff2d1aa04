#include "platform/Int16.h"

#include "platform/Failure.h"

Int16::Int16(long long value) {
    if (value < kMin || value > kMax) {
        throw Failure(failures::kOverflow);
    }
    value_ = static_cast<std::int16_t>(value);
}

Int16& Int16::operator+=(Int16 other) {
    return *this = *this + other;
}
Int16& Int16::operator-=(Int16 other) {
    return *this = *this - other;
}
Int16& Int16::operator++() {
    return *this += 1;
}

Int16 operator/(Int16 a, Int16 b) {
    if (b.value_ == 0) {
        throw Failure(failures::kDivisionByZero);
    }
    return Int16(static_cast<long long>(a.value_) / b.value_);
}

Int16 operator%(Int16 a, Int16 b) {
    if (b.value_ == 0) {
        throw Failure(failures::kDivisionByZero);
    }
    return Int16(static_cast<long long>(a.value_) % b.value_);
}
