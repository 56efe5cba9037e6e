#pragma once
// The general error display: an error that no handler catches is shown in a
// box titled with the application title, with OK and the error icon, and the
// program goes on.
#include <string>

#include "ports/message_box_port.hpp"

// The message with "." appended when the first byte of its last character is
// greater than that of "." (so a Japanese message gets one).
std::string generalErrorText(const std::string& message);

void showGeneralError(MessageBoxPort& boxes, const std::string& message);
