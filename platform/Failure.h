#pragma once

#include <stdexcept>
#include <string>

// A failed operation and the description the player sees in the error report.
class Failure : public std::runtime_error {
public:
    explicit Failure(const std::string& description);
    const std::string& description() const { return description_; }

private:
    std::string description_;
};

// Descriptions of the failures our own arithmetic and containers raise.
namespace failures {
inline constexpr const char* kOverflow = "Overflow";
inline constexpr const char* kSubscriptOutOfRange = "Subscript out of range";
inline constexpr const char* kObjectNotSet = "Object variable not set";
inline constexpr const char* kDivisionByZero = "Division by zero";
}  // namespace failures
