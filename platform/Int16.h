#pragma once

#include <compare>
#include <cstdint>

// A 16-bit signed count that throws "Overflow" instead of wrapping, so a runaway counter is
// reported rather than silently turning negative.
class Int16 {
public:
    static constexpr int kMin = INT16_MIN;
    static constexpr int kMax = INT16_MAX;

    constexpr Int16() = default;
    Int16(long long value);  // NOLINT(google-explicit-constructor): counts mix freely with literals

    constexpr int value() const { return value_; }
    constexpr explicit operator int() const { return value_; }

    Int16& operator+=(Int16 other);
    Int16& operator-=(Int16 other);
    Int16& operator++();

    friend Int16 operator+(Int16 a, Int16 b) {
        return Int16(static_cast<long long>(a.value_) + b.value_);
    }
    friend Int16 operator-(Int16 a, Int16 b) {
        return Int16(static_cast<long long>(a.value_) - b.value_);
    }
    friend Int16 operator*(Int16 a, Int16 b) {
        return Int16(static_cast<long long>(a.value_) * b.value_);
    }
    friend Int16 operator/(Int16 a, Int16 b);
    friend Int16 operator%(Int16 a, Int16 b);
    friend constexpr bool operator==(Int16 a, Int16 b) = default;
    friend constexpr auto operator<=>(Int16 a, Int16 b) = default;

private:
    std::int16_t value_ = 0;
};

// Booleans stored the 16-bit way: true is -1, false is 0.
inline constexpr std::int16_t toStoredBool(bool b) {
    return b ? -1 : 0;
}
