#pragma once
#include <windows.h>

#include <atomic>
#include <memory>

#include "platform/host_windows_port.hpp"

class Win32HostWindows : public HostWindowsPort {
public:
    win::Handle findWindow(const char* className, const char* title) override;
    win::Handle findChild(win::Handle parent, const char* className, const char* title) override;
    HostAnswer sendMessage(win::Handle window, unsigned message, std::uintptr_t wParam, std::intptr_t lParam,
                           unsigned long limitMs) override;
    void sendWithoutWaiting(win::Handle window, unsigned message, std::uintptr_t wParam,
                            std::intptr_t lParam) override;
    HostAnswer copyToClipboard(win::Handle control, std::uint32_t before, unsigned long limitMs) override;
    bool answerArrived() override { return copyAnswered_ && copyAnswered_->load(); }
    std::string windowTitle(win::Handle window) override;

private:
    // Set by the worker of the copy under way once the control has answered.
    std::shared_ptr<std::atomic<bool>> copyAnswered_;
};
