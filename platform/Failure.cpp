#include "platform/Failure.h"

Failure::Failure(const std::string& description)
    : std::runtime_error(description), description_(description) {}
