#pragma once
#include <windows.h>

#include "platform/host_windows_port.hpp"

class Win32HostWindows : public HostWindowsPort {
public:
    // The properties window, whose keyboard navigation the waits keep working.
    void setDialogWindow(HWND window) { dialogWindow_ = window; }

    win::Handle findWindow(const char* className, const char* title) override;
    win::Handle findChild(win::Handle parent, const char* className, const char* title) override;
    HostAnswer sendMessage(win::Handle window, unsigned message, std::uintptr_t wParam, std::intptr_t lParam,
                           unsigned long limitMs) override;
    void sendWithoutWaiting(win::Handle window, unsigned message, std::uintptr_t wParam,
                            std::intptr_t lParam) override;
    HostAnswer fetchClipboardData(unsigned long limitMs) override;
    std::string windowTitle(win::Handle window) override;

private:
    HWND dialogWindow_ = nullptr;
};
