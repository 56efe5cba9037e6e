#pragma once
#include "platform/host_windows_port.hpp"

class Win32HostWindows : public HostWindowsPort {
public:
    win::Handle findWindow(const char* className, const char* title) override;
    win::Handle findChild(win::Handle parent, const char* className, const char* title) override;
    HostAnswer sendMessage(win::Handle window, unsigned message, std::uintptr_t wParam,
                           std::intptr_t lParam) override;
    std::string windowTitle(win::Handle window) override;
};
