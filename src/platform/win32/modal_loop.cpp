#include "platform/win32/modal_loop.hpp"

#include <vector>

namespace {
struct DisabledWindows {
    HWND keep;
    std::vector<HWND> windows;
};

BOOL CALLBACK disableOne(HWND hwnd, LPARAM param) {
    auto* state = reinterpret_cast<DisabledWindows*>(param);
    if (hwnd != state->keep && IsWindowEnabled(hwnd)) {
        EnableWindow(hwnd, FALSE);
        state->windows.push_back(hwnd);
    }
    return TRUE;
}

// Re-enables what it disabled on every path out of the loop.
class TaskWindowsDisabled {
public:
    explicit TaskWindowsDisabled(HWND keep) : state_{keep, {}} {
        EnumThreadWindows(GetCurrentThreadId(), disableOne, reinterpret_cast<LPARAM>(&state_));
    }
    ~TaskWindowsDisabled() {
        for (HWND hwnd : state_.windows)
            if (IsWindow(hwnd)) EnableWindow(hwnd, TRUE);
    }
    TaskWindowsDisabled(const TaskWindowsDisabled&) = delete;
    TaskWindowsDisabled& operator=(const TaskWindowsDisabled&) = delete;

private:
    DisabledWindows state_;
};
}  // namespace

void runModalLoop(HWND modalWindow, HWND, const std::function<bool()>& running) {
    TaskWindowsDisabled disabled(modalWindow);
    MSG msg;
    while (running()) {
        const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        if (got < 0) return;
        if (IsDialogMessageA(modalWindow, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}
