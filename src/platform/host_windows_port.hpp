#pragma once
// Windows of other programs: lookup by title or class and the messages that the
// save command sends to their text controls.
#include <cstdint>
#include <string>

#include "platform/win_constants.hpp"

class HostWindowsPort {
public:
    virtual ~HostWindowsPort() = default;
    // FindWindowA: className or title may be null (matches any).
    virtual win::Handle findWindow(const char* className, const char* title) = 0;
    // FindWindowExA(parent, after none, className, title).
    virtual win::Handle findChild(win::Handle parent, const char* className, const char* title) = 0;
    // SendMessageA.
    virtual std::intptr_t sendMessage(win::Handle window, unsigned message, std::uintptr_t wParam,
                                      std::intptr_t lParam) = 0;
    // GetWindowTextLengthA, then GetWindowTextA with a buffer of length + 1.
    virtual std::string windowTitle(win::Handle window) = 0;
};
