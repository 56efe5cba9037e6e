#pragma once
// host/: how a host is asked, the clipboard, the rich holder. Uses handles/, the ports, text/.
#include <windows.h>

#include <memory>

#include "ports/host_windows_port.hpp"
#include "platform/win32/handles/unique_handle.hpp"

class Win32HostWindows : public HostWindowsPort {
public:
    Win32HostWindows() = default;
    ~Win32HostWindows() override;
    Win32HostWindows(const Win32HostWindows&) = delete;
    Win32HostWindows& operator=(const Win32HostWindows&) = delete;

    // Answers are posted to `window` as `message` (wParam: the exchange,
    // lParam: whether it ran to its end); whoever handles that message hands
    // it back to takeAnswer.
    void setTarget(HWND window, UINT message) {
        target_ = window;
        message_ = message;
    }
    win::Handle findWindow(const char* className, const char* title) override;
    win::Handle findChild(win::Handle parent, const char* className, const char* title) override;
    void send(win::Handle window, unsigned message, std::uintptr_t wParam, std::intptr_t lParam,
              unsigned long limitMs) override;
    void sendWithoutWaiting(win::Handle window, unsigned message, std::uintptr_t wParam,
                            std::intptr_t lParam) override;
    void copy(win::Handle control, std::uint32_t before, unsigned long limitMs) override;
    void emptyClipboard(std::uint32_t ifStill, unsigned long limitMs) override;
    std::string windowTitle(win::Handle window) override;

    // The answer that the posted message stands for; false for a message
    // that nothing waits for any more.
    bool takeAnswer(WPARAM id, LPARAM ran, HostAnswer& answer);

    struct Exchange;

private:
    void start(const std::shared_ptr<Exchange>& exchange, void (*job)(Exchange&));

    HWND target_ = nullptr;
    UINT message_ = 0;
    std::shared_ptr<Exchange> current_;  // the exchange awaited
    WPARAM lastId_ = 0;
    // Set once the last emptying has run or was given up.
    std::shared_ptr<UniqueKernelHandle> emptying_;
    static constexpr DWORD kEmptyingAtExitMs = 1000;
};
