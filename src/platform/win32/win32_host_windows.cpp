#include "platform/win32/win32_host_windows.hpp"

#include <windows.h>

#include <vector>

namespace {
HWND toHwnd(win::Handle h) { return reinterpret_cast<HWND>(h); }
win::Handle fromHwnd(HWND h) { return reinterpret_cast<win::Handle>(h); }
}  // namespace

win::Handle Win32HostWindows::findWindow(const char* className, const char* title) {
    return fromHwnd(FindWindowA(className, title));
}

win::Handle Win32HostWindows::findChild(win::Handle parent, const char* className, const char* title) {
    if (parent == 0) return 0;
    return fromHwnd(FindWindowExA(toHwnd(parent), nullptr, className, title));
}

HostAnswer Win32HostWindows::sendMessage(win::Handle window, unsigned message, std::uintptr_t wParam,
                                         std::intptr_t lParam) {
    const HWND hwnd = toHwnd(window);
    // No SMTO_ABORTIFHUNG: it gives up at once on a host that has not taken
    // its messages for 5 s, which a host loading a long log does not; such a
    // host is waited for like any other, up to the limit.
    const auto send = [hwnd](UINT msg, WPARAM wp, LPARAM lp, DWORD_PTR* result) {
        return SendMessageTimeoutA(hwnd, msg, wp, lp, SMTO_NORMAL, kHostAnswerLimitMs, result) != 0;
    };
    const auto silent = [hwnd] {
        return HostAnswer{IsWindow(hwnd) ? HostAnswer::Status::NotAnswering : HostAnswer::Status::Gone, 0};
    };
    // A host that counts as hung is first waited for with WM_NULL, which
    // crosses as one message: Wine carries an ANSI WM_GETTEXTLENGTH across as
    // two and would wait the limit out twice. IsHungAppWindow asks the
    // system, not the host, so a normal save pays no extra round trip.
    DWORD_PTR result = 0;
    if (IsHungAppWindow(hwnd) && !send(WM_NULL, 0, 0, &result)) return silent();
    if (!send(message, wParam, static_cast<LPARAM>(lParam), &result)) return silent();
    return {HostAnswer::Status::Answered, static_cast<std::intptr_t>(result)};
}

std::string Win32HostWindows::windowTitle(win::Handle window) {
    const int length = GetWindowTextLengthA(toHwnd(window));
    if (length <= 0) return {};
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
    const int got = GetWindowTextA(toHwnd(window), buffer.data(), length + 1);
    return std::string(buffer.data(), static_cast<std::size_t>(got > 0 ? got : 0));
}
