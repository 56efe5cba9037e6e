#pragma once
// The error that event handlers let through to the general error display.
// Its message is a CP932 byte string meant for the user.
#include <stdexcept>
#include <string>

struct AppError : std::runtime_error {
    explicit AppError(const std::string& message) : std::runtime_error(message) {}
};
