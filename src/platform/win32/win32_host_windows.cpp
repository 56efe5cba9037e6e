#include "platform/win32/win32_host_windows.hpp"

#include <windows.h>

#include <functional>
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
// The clipboard formats a paste takes, most preferred first.
UINT pastedFormat() {
    static const UINT rtf = RegisterClipboardFormatA("Rich Text Format");
    for (UINT format : {rtf, static_cast<UINT>(CF_UNICODETEXT), static_cast<UINT>(CF_TEXT)})
        if (format != 0 && IsClipboardFormatAvailable(format)) return format;
    return 0;
}

// One blocking exchange with a host on the worker of a wait. No
// SMTO_ABORTIFHUNG: it gives up at once on a host that has not taken its
// messages for 5 s, which a host loading a long log does not; such a host is
// waited for like any other, up to the limit.
struct Exchange {
    HWND hwnd;
    DWORD limitMs;
    bool answered = false;
    DWORD_PTR value = 0;

    bool send(UINT msg, WPARAM wp, LPARAM lp) {
        return SendMessageTimeoutA(hwnd, msg, wp, lp, SMTO_NORMAL, limitMs, &value) != 0;
    }
    // A host that counts as hung is first waited for with WM_NULL, which
    // crosses as one message: Wine carries an ANSI WM_GETTEXTLENGTH across
    // as two and would wait the limit out twice. IsHungAppWindow asks the
    // system, not the host, so a normal save pays no extra trip.
    void ask(UINT msg, WPARAM wp, LPARAM lp) {
        if (IsHungAppWindow(hwnd) && !send(WM_NULL, 0, 0)) return;
        answered = send(msg, wp, lp);
    }
};

// Runs the exchange's job on a worker; the answer once it is done, or why
// there is none.
HostAnswer waitFor(const std::shared_ptr<Exchange>& exchange, std::function<void()> job) {
    const DWORD start = GetTickCount();
    const WaitEnd end = runWhileHandlingMessages(std::move(job), exchange->limitMs);
    const unsigned long waited = GetTickCount() - start;
    if (end == WaitEnd::ProgramEnding) return {HostAnswer::Status::ProgramEnding, 0, waited};
    if (end != WaitEnd::Done) return {HostAnswer::Status::NotAnswering, 0, waited};
    if (!exchange->answered)
        return {IsWindow(exchange->hwnd) ? HostAnswer::Status::NotAnswering : HostAnswer::Status::Gone, 0, waited};
    return {HostAnswer::Status::Answered, static_cast<std::intptr_t>(exchange->value), waited};
}
}  // namespace

HostAnswer Win32HostWindows::sendMessage(win::Handle window, unsigned message, std::uintptr_t wParam,
                                         std::intptr_t lParam, unsigned long limitMs) {
    const HWND hwnd = toHwnd(window);
    if (!IsWindow(hwnd)) return {HostAnswer::Status::Gone, 0};
    if (limitMs == 0) return {HostAnswer::Status::NotAnswering, 0};
    auto exchange = std::make_shared<Exchange>(Exchange{hwnd, limitMs});
    return waitFor(exchange, [exchange, message, wParam, lParam] {
        exchange->ask(message, wParam, static_cast<LPARAM>(lParam));
    });
}

void Win32HostWindows::sendWithoutWaiting(win::Handle window, unsigned message, std::uintptr_t wParam,
                                          std::intptr_t lParam) {
    SendNotifyMessageA(toHwnd(window), message, wParam, static_cast<LPARAM>(lParam));
}

HostAnswer Win32HostWindows::copyToClipboard(win::Handle control, std::uint32_t before, unsigned long limitMs) {
    const HWND hwnd = toHwnd(control);
    if (!IsWindow(hwnd)) return {HostAnswer::Status::Gone, static_cast<std::intptr_t>(before)};
    if (limitMs == 0) return {HostAnswer::Status::NotAnswering, 0};
    auto exchange = std::make_shared<Exchange>(Exchange{hwnd, limitMs});
    auto answered = std::make_shared<std::atomic<bool>>(false);
    auto sequence = std::make_shared<std::atomic<DWORD>>(before);
    copyAnswered_ = answered;
    HostAnswer answer = waitFor(exchange, [exchange, answered, sequence, before] {
        exchange->ask(WM_COPY, 0, 0);
        if (!exchange->answered && IsWindow(exchange->hwnd)) return;
        answered->store(true);
        // Asking for the format the paste will take makes the clipboard's
        // owner render a promised copy now (WM_RENDERFORMAT), here on the
        // worker; the paste then never waits on the host.
        if (GetClipboardSequenceNumber() != before && OpenClipboard(nullptr)) {
            if (const UINT format = pastedFormat()) GetClipboardData(format);
            CloseClipboard();
        }
        sequence->store(GetClipboardSequenceNumber());
    });
    copyAnswered_.reset();
    // The number also when the control went away after copying: its copy
    // may be on the clipboard all the same.
    if (answer.status == HostAnswer::Status::Answered || answer.status == HostAnswer::Status::Gone)
        answer.value = static_cast<std::intptr_t>(sequence->load());
    return answer;
}

std::string Win32HostWindows::windowTitle(win::Handle window) {
    const int length = GetWindowTextLengthA(toHwnd(window));
    if (length <= 0) return {};
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
    const int got = GetWindowTextA(toHwnd(window), buffer.data(), length + 1);
    return std::string(buffer.data(), static_cast<std::size_t>(got > 0 ? got : 0));
}
