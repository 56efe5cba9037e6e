#include "platform/win32/host/win32_host_windows.hpp"

#include <windows.h>

#include <vector>

#include "platform/win32/host/host_worker.hpp"

namespace {
HWND toHwnd(win::Handle h) { return reinterpret_cast<HWND>(h); }
win::Handle fromHwnd(HWND h) { return reinterpret_cast<win::Handle>(h); }

// The clipboard formats a paste takes, most preferred first.
UINT pastedFormat() {
    static const UINT rtf = RegisterClipboardFormatA("Rich Text Format");
    for (UINT format : {rtf, static_cast<UINT>(CF_UNICODETEXT), static_cast<UINT>(CF_TEXT)})
        if (format != 0 && IsClipboardFormatAvailable(format)) return format;
    return 0;
}

DWORD processOf(HWND window) {
    DWORD process = 0;
    if (window != nullptr) GetWindowThreadProcessId(window, &process);
    return process;
}
}  // namespace

// One exchange with a host, filled in by its worker. The worker keeps it
// alive however long the host takes; this thread reads it only once the
// worker has said it ran to its end.
struct Win32HostWindows::Exchange {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    DWORD limitMs;
    DWORD before;  // the clipboard's number before a copy
    WPARAM id = 0;
    DWORD startedAt = 0;
    HostAnswer::Status status = HostAnswer::Status::NotAnswering;
    DWORD_PTR value = 0;

    // No SMTO_ABORTIFHUNG: it gives up at once on a host that has not taken
    // its messages for 5 s, which a host loading a long log does not; such a
    // host is waited for like any other, up to the limit.
    bool sendNow(UINT msg, WPARAM wp, LPARAM lp) {
        return SendMessageTimeoutA(hwnd, msg, wp, lp, SMTO_NORMAL, limitMs, &value) != 0;
    }
    // A host that counts as hung is first waited for with WM_NULL, which
    // crosses as one message: Wine carries an ANSI WM_GETTEXTLENGTH across
    // as two and would wait the limit out twice. IsHungAppWindow asks the
    // system, not the host, so a normal save pays no extra trip.
    void ask() {
        const bool answered = (IsHungAppWindow(hwnd) == 0 || sendNow(WM_NULL, 0, 0)) && sendNow(message, wParam, lParam);
        if (answered) status = HostAnswer::Status::Answered;
        else status = IsWindow(hwnd) ? HostAnswer::Status::NotAnswering : HostAnswer::Status::Gone;
    }
};

namespace {
void askJob(Win32HostWindows::Exchange& exchange) { exchange.ask(); }

// WM_COPY, then at once what the clipboard holds: only a copy placed by a
// window of the control's own program is the log.
void copyJob(Win32HostWindows::Exchange& exchange) {
    exchange.ask();
    if (exchange.status != HostAnswer::Status::Answered) return;
    const DWORD sequence = GetClipboardSequenceNumber();
    exchange.value = sequence;
    if (sequence == exchange.before) return;  // nothing was copied
    const DWORD host = processOf(exchange.hwnd);
    if (host == 0) {
        exchange.status = HostAnswer::Status::Gone;
        return;
    }
    if (processOf(GetClipboardOwner()) != host) {
        exchange.status = HostAnswer::Status::NotHostsCopy;
        return;
    }
    // Asking for the format the paste will take makes the clipboard's owner
    // render a promised copy now (WM_RENDERFORMAT), here on the worker; the
    // paste then never waits on the host.
    if (OpenClipboard(nullptr)) {
        if (const UINT format = pastedFormat()) GetClipboardData(format);
        CloseClipboard();
    }
    exchange.value = GetClipboardSequenceNumber();
}
}  // namespace

win::Handle Win32HostWindows::findWindow(const char* className, const char* title) {
    return fromHwnd(FindWindowA(className, title));
}

win::Handle Win32HostWindows::findChild(win::Handle parent, const char* className, const char* title) {
    if (parent == 0) return 0;
    return fromHwnd(FindWindowExA(toHwnd(parent), nullptr, className, title));
}

void Win32HostWindows::start(const std::shared_ptr<Exchange>& exchange, void (*job)(Exchange&)) {
    exchange->id = ++lastId_;
    exchange->startedAt = GetTickCount();
    current_ = exchange;
    if (!IsWindow(exchange->hwnd)) {
        exchange->status = HostAnswer::Status::Gone;
        PostMessageA(target_, message_, exchange->id, 1);
        return;
    }
    if (exchange->limitMs == 0) {
        PostMessageA(target_, message_, exchange->id, 0);
        return;
    }
    postWhenDone([exchange, job] { job(*exchange); }, exchange->limitMs, target_, message_, exchange->id);
}

void Win32HostWindows::send(win::Handle window, unsigned message, std::uintptr_t wParam, std::intptr_t lParam,
                            unsigned long limitMs) {
    start(std::make_shared<Exchange>(Exchange{toHwnd(window), message, wParam, static_cast<LPARAM>(lParam), limitMs, 0}),
          askJob);
}

void Win32HostWindows::copy(win::Handle control, std::uint32_t before, unsigned long limitMs) {
    start(std::make_shared<Exchange>(Exchange{toHwnd(control), WM_COPY, 0, 0, limitMs, before}), copyJob);
}

bool Win32HostWindows::takeAnswer(WPARAM id, LPARAM ran, HostAnswer& answer) {
    if (!current_ || current_->id != id) return false;
    const std::shared_ptr<Exchange> exchange = std::move(current_);
    const unsigned long waited = GetTickCount() - exchange->startedAt;
    // A worker given up on still writes to its exchange: nothing of it is read.
    if (ran == 0) answer = {HostAnswer::Status::NotAnswering, 0, waited};
    else answer = {exchange->status, static_cast<std::intptr_t>(exchange->value), waited};
    return true;
}

void Win32HostWindows::sendWithoutWaiting(win::Handle window, unsigned message, std::uintptr_t wParam,
                                          std::intptr_t lParam) {
    SendNotifyMessageA(toHwnd(window), message, wParam, static_cast<LPARAM>(lParam));
}

std::string Win32HostWindows::windowTitle(win::Handle window) {
    const int length = GetWindowTextLengthA(toHwnd(window));
    if (length <= 0) return {};
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
    const int got = GetWindowTextA(toHwnd(window), buffer.data(), length + 1);
    return std::string(buffer.data(), static_cast<std::size_t>(got > 0 ? got : 0));
}
