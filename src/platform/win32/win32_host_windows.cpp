#include "platform/win32/win32_host_windows.hpp"

#include <windows.h>

#include <vector>

namespace {
HWND toHwnd(win::Handle h) { return reinterpret_cast<HWND>(h); }
win::Handle fromHwnd(HWND h) { return reinterpret_cast<win::Handle>(h); }

// A host that stops answering must not hang the tray for good; a busy one
// copying a large log gets all the time it needs.
constexpr UINT kHostMessageTimeoutMs = 5 * 60 * 1000;
}  // namespace

win::Handle Win32HostWindows::findWindow(const char* className, const char* title) {
    return fromHwnd(FindWindowA(className, title));
}

win::Handle Win32HostWindows::findChild(win::Handle parent, const char* className, const char* title) {
    if (parent == 0) return 0;
    return fromHwnd(FindWindowExA(toHwnd(parent), nullptr, className, title));
}

std::intptr_t Win32HostWindows::sendMessage(win::Handle window, unsigned message, std::uintptr_t wParam,
                                            std::intptr_t lParam) {
    DWORD_PTR result = 0;
    if (SendMessageTimeoutA(toHwnd(window), message, wParam, lParam, SMTO_NORMAL | SMTO_ABORTIFHUNG,
                            kHostMessageTimeoutMs, &result) == 0)
        return 0;
    return static_cast<std::intptr_t>(result);
}

std::string Win32HostWindows::windowTitle(win::Handle window) {
    const int length = GetWindowTextLengthA(toHwnd(window));
    if (length <= 0) return {};
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
    const int got = GetWindowTextA(toHwnd(window), buffer.data(), length + 1);
    return std::string(buffer.data(), static_cast<std::size_t>(got > 0 ? got : 0));
}
