#pragma once
#include <string>

class MessageBoxPort {
public:
    virtual ~MessageBoxPort() = default;
    // MessageBoxA owned by the application window; modal, keeps messages
    // flowing (timer ticks and tray messages are handled while it is open).
    // Returns the button pressed (win::kIdOk, kIdYes, kIdNo).
    virtual int show(const std::string& text, const std::string& caption, unsigned flags) = 0;
};
