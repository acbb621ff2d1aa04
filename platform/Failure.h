#pragma once

#include <stdexcept>
#include <string>

#include "platform/Translatable.h"

// A failed operation and the description the player sees in the error report.
class Failure : public std::runtime_error {
public:
    explicit Failure(const std::string& description);
    const std::string& description() const { return description_; }

private:
    std::string description_;
};

// Descriptions of the failures our own arithmetic and containers raise; the error report shows
// them translated.
namespace failures {
inline constexpr const char* kOverflow = TAVLORA_TRANSLATABLE("Failure", "Overflow");
inline constexpr const char* kSubscriptOutOfRange =
    TAVLORA_TRANSLATABLE("Failure", "Subscript out of range");
inline constexpr const char* kObjectNotSet =
    TAVLORA_TRANSLATABLE("Failure", "Object variable not set");
inline constexpr const char* kDivisionByZero = TAVLORA_TRANSLATABLE("Failure", "Division by zero");
}  // namespace failures
