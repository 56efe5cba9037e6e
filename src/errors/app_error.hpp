#pragma once
// errors/: the error a handler lets through, and its display. Uses the ports, text/.
//
// The error that event handlers let through to the general error display.
// Its message is a CP932 byte string meant for the user. It holds its own
// string: std::runtime_error would bring the library's second (reference-
// counted) string implementation, about 60 KB, into the exe.
#include <exception>
#include <string>
#include <utility>

struct AppError : std::exception {
    explicit AppError(std::string message) : message_(std::move(message)) {}
    const char* what() const noexcept override { return message_.c_str(); }

private:
    std::string message_;
};
