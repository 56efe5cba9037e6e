#include "platform/win32/win32_host_windows.hpp"

#include <windows.h>

#include <memory>
#include <vector>

#include "platform/win32/host_wait.hpp"

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

namespace {
HostAnswer::Status statusOf(WaitEnd end) {
    return end == WaitEnd::ProgramEnding ? HostAnswer::Status::ProgramEnding : HostAnswer::Status::NotAnswering;
}

// The clipboard formats a paste takes, most preferred first.
UINT pastedFormat() {
    static const UINT rtf = RegisterClipboardFormatA("Rich Text Format");
    for (UINT format : {rtf, static_cast<UINT>(CF_UNICODETEXT), static_cast<UINT>(CF_TEXT)})
        if (format != 0 && IsClipboardFormatAvailable(format)) return format;
    return 0;
}
}  // namespace

HostAnswer Win32HostWindows::sendMessage(win::Handle window, unsigned message, std::uintptr_t wParam,
                                         std::intptr_t lParam, unsigned long limitMs) {
    const HWND hwnd = toHwnd(window);
    if (!IsWindow(hwnd)) return {HostAnswer::Status::Gone, 0};
    if (limitMs == 0) return {HostAnswer::Status::NotAnswering, 0};
    struct Outcome {
        bool answered = false;
        DWORD_PTR value = 0;
    };
    auto outcome = std::make_shared<Outcome>();
    // No SMTO_ABORTIFHUNG: it gives up at once on a host that has not taken
    // its messages for 5 s, which a host loading a long log does not; such a
    // host is waited for like any other, up to the limit.
    const auto job = [hwnd, message, wParam, lParam, limitMs, outcome] {
        const auto send = [&](UINT msg, WPARAM wp, LPARAM lp) {
            return SendMessageTimeoutA(hwnd, msg, wp, lp, SMTO_NORMAL, limitMs, &outcome->value) != 0;
        };
        // A host that counts as hung is first waited for with WM_NULL, which
        // crosses as one message: Wine carries an ANSI WM_GETTEXTLENGTH
        // across as two and would wait the limit out twice. IsHungAppWindow
        // asks the system, not the host, so a normal save pays no extra trip.
        if (IsHungAppWindow(hwnd) && !send(WM_NULL, 0, 0)) return;
        outcome->answered = send(message, wParam, static_cast<LPARAM>(lParam));
    };
    const DWORD start = GetTickCount();
    const WaitEnd end = runWhileHandlingMessages(job, limitMs, dialogWindow_);
    const unsigned long waited = GetTickCount() - start;
    if (end != WaitEnd::Done) return {statusOf(end), 0, waited};
    if (!outcome->answered)
        return {IsWindow(hwnd) ? HostAnswer::Status::NotAnswering : HostAnswer::Status::Gone, 0, waited};
    return {HostAnswer::Status::Answered, static_cast<std::intptr_t>(outcome->value), waited};
}

void Win32HostWindows::sendWithoutWaiting(win::Handle window, unsigned message, std::uintptr_t wParam,
                                          std::intptr_t lParam) {
    SendNotifyMessageA(toHwnd(window), message, wParam, static_cast<LPARAM>(lParam));
}

HostAnswer Win32HostWindows::fetchClipboardData(unsigned long limitMs) {
    // Asking for the format the paste will take makes its owner render it
    // now (WM_RENDERFORMAT), on the worker, with the clipboard open there;
    // once it is rendered the paste does not wait on the host.
    const auto job = [] {
        if (!OpenClipboard(nullptr)) return;  // the paste meets the same
        if (const UINT format = pastedFormat()) GetClipboardData(format);
        CloseClipboard();
    };
    const DWORD start = GetTickCount();
    const WaitEnd end = runWhileHandlingMessages(job, limitMs, dialogWindow_);
    const unsigned long waited = GetTickCount() - start;
    if (end != WaitEnd::Done) return {statusOf(end), 0, waited};
    return {HostAnswer::Status::Answered, 0, waited};
}

std::string Win32HostWindows::windowTitle(win::Handle window) {
    const int length = GetWindowTextLengthA(toHwnd(window));
    if (length <= 0) return {};
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
    const int got = GetWindowTextA(toHwnd(window), buffer.data(), length + 1);
    return std::string(buffer.data(), static_cast<std::size_t>(got > 0 ? got : 0));
}
