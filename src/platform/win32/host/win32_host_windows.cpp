#include "platform/win32/host/win32_host_windows.hpp"

#include <windows.h>

#include <vector>

#include "platform/win32/handles/unique_handle.hpp"
#include "platform/win32/host/host_worker.hpp"
#include "platform/win32/host/worker_clipboard.hpp"

namespace {
HWND toHwnd(win::Handle h) { return reinterpret_cast<HWND>(h); }
win::Handle fromHwnd(HWND h) { return reinterpret_cast<win::Handle>(h); }

// The first of the formats a rich edit's paste takes, most preferred
// first, that the open clipboard offers, as the holder is filled from it;
// asking for its data makes the owner hand over a copy it had promised, here
// on the worker. Null when there is none, or the owner did not keep its
// promise (it ended, or was given up on meanwhile).
std::shared_ptr<ClipboardCopy> takeCopy() {
    static const UINT rtf = RegisterClipboardFormatA("Rich Text Format");
    const struct {
        UINT format;
        ClipboardCopy::Form form;
    } forms[] = {{rtf, ClipboardCopy::Form::RichText},
                 {CF_UNICODETEXT, ClipboardCopy::Form::UnicodeText},
                 {CF_TEXT, ClipboardCopy::Form::Text}};
    for (const auto& [format, form] : forms) {
        if (format == 0 || !IsClipboardFormatAvailable(format)) continue;
        const HANDLE data = GetClipboardData(format);
        const void* bytes = data != nullptr ? GlobalLock(data) : nullptr;
        if (bytes == nullptr) return nullptr;
        auto copy = std::make_shared<ClipboardCopy>();
        copy->form = form;
        const SIZE_T size = GlobalSize(data);
        if (form == ClipboardCopy::Form::UnicodeText) {
            const auto* text = static_cast<const wchar_t*>(bytes);
            SIZE_T length = 0;
            while (length < size / sizeof(wchar_t) && text[length] != 0) ++length;
            copy->bytes.assign(static_cast<const char*>(bytes), length * sizeof(wchar_t));
        } else {
            const auto* text = static_cast<const char*>(bytes);
            SIZE_T length = 0;
            while (length < size && text[length] != 0) ++length;
            copy->bytes.assign(text, length);
        }
        GlobalUnlock(data);
        return copy;
    }
    return nullptr;
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
    Exchange(HWND window, UINT msg, WPARAM wp, LPARAM lp, DWORD limit, DWORD number)
        : hwnd(window), message(msg), wParam(wp), lParam(lp), limitMs(limit), before(number) {}

    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    DWORD limitMs;
    DWORD before;  // the clipboard's number before a copy, or the one to empty
    WPARAM id = 0;
    DWORD startedAt = 0;
    HostAnswer::Status status = HostAnswer::Status::NotAnswering;
    DWORD_PTR value = 0;
    std::shared_ptr<const ClipboardCopy> taken;
    ClipboardHandOver handOver;  // lets the clipboard go at the limit

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
// window of the control's own program is the log, and it is taken off the
// clipboard here, not by a paste on the user-interface thread.
void copyJob(Win32HostWindows::Exchange& exchange) {
    using Status = HostAnswer::Status;
    waitWhileClipboardOpen();
    exchange.ask();
    if (exchange.status != Status::Answered) return;
    exchange.value = GetClipboardSequenceNumber();
    if (exchange.value == exchange.before) return;  // nothing was copied
    const DWORD host = processOf(exchange.hwnd);
    if (host == 0) {
        exchange.status = Status::Gone;
        return;
    }
    if (processOf(GetClipboardOwner()) != host) {
        exchange.status = Status::NotHostsCopy;
        return;
    }
    WorkerClipboard clipboard(exchange.handOver);
    switch (clipboard.open()) {
        case WorkerClipboard::Opening::Open: break;
        case WorkerClipboard::Opening::Held: exchange.status = Status::ClipboardHeld; return;
        case WorkerClipboard::Opening::GivenUp: return;  // the answer was not waited for
    }
    // Open, nobody can change it; but another program may have copied while
    // the opening waited.
    if (processOf(GetClipboardOwner()) != host) {
        exchange.status = Status::NotHostsCopy;
        return;
    }
    auto taken = takeCopy();
    // Given up on inside the hand-over: the clipboard was closed there, and
    // whatever the call returned afterwards is not read.
    if (!clipboard.stillOpen()) return;
    exchange.value = GetClipboardSequenceNumber();
    exchange.taken = std::move(taken);
}

// Empties the clipboard while it still holds the host's copy. The owner is
// asked first whether it answers at all, with the time the opening leaves:
// emptying tells it, and a host that has stopped answering keeps its copy on
// the clipboard rather than have the worker hold the clipboard while it waits.
void emptyJob(Win32HostWindows::Exchange& exchange) {
    exchange.status = HostAnswer::Status::Answered;
    const HWND owner = GetClipboardOwner();
    const DWORD pingLimit = exchange.limitMs > kClipboardHeldLimitMs ? exchange.limitMs - kClipboardHeldLimitMs : 0;
    DWORD_PTR ignored = 0;
    if (owner != nullptr && SendMessageTimeoutA(owner, WM_NULL, 0, 0, SMTO_NORMAL, pingLimit, &ignored) == 0) {
        exchange.status = HostAnswer::Status::NotAnswering;
        return;
    }
    WorkerClipboard clipboard(exchange.handOver);
    const WorkerClipboard::Opening opening = clipboard.open();
    if (opening != WorkerClipboard::Opening::Open) {
        if (opening == WorkerClipboard::Opening::Held) exchange.status = HostAnswer::Status::ClipboardHeld;
        return;
    }
    if (GetClipboardSequenceNumber() == exchange.before && EmptyClipboard() != 0) exchange.value = 1;
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
    if (exchange->hwnd != nullptr && !IsWindow(exchange->hwnd)) {
        exchange->status = HostAnswer::Status::Gone;
        PostMessageA(target_, message_, exchange->id, 1);
        return;
    }
    if (exchange->limitMs == 0) {
        PostMessageA(target_, message_, exchange->id, 0);
        return;
    }
    postWhenDone([exchange, job] { job(*exchange); }, [exchange] { exchange->handOver.giveUp(); },
                 exchange->limitMs, target_, message_, exchange->id);
}

void Win32HostWindows::send(win::Handle window, unsigned message, std::uintptr_t wParam, std::intptr_t lParam,
                            unsigned long limitMs) {
    start(std::make_shared<Exchange>(toHwnd(window), message, wParam, static_cast<LPARAM>(lParam), limitMs, 0), askJob);
}

void Win32HostWindows::copy(win::Handle control, std::uint32_t before, unsigned long limitMs) {
    start(std::make_shared<Exchange>(toHwnd(control), WM_COPY, 0, 0, limitMs, before), copyJob);
}

void Win32HostWindows::emptyClipboard(std::uint32_t ifStill, unsigned long limitMs) {
    // Not an exchange that a save waits for: the save is over with its file.
    auto exchange = std::make_shared<Exchange>(nullptr, WM_NULL, 0, 0, limitMs, ifStill);
    auto finished = std::make_shared<UniqueKernelHandle>(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    emptying_ = finished;
    runOnWorker([exchange] { emptyJob(*exchange); }, [exchange] { exchange->handOver.giveUp(); }, limitMs,
                [finished](bool) { SetEvent(finished->get()); });
}

Win32HostWindows::~Win32HostWindows() {
    // A program that ends right after a save still leaves the clipboard
    // empty: the emptying under way is given a moment to finish.
    if (emptying_ && *emptying_) WaitForSingleObject(emptying_->get(), kEmptyingAtExitMs);
}

bool Win32HostWindows::takeAnswer(WPARAM id, LPARAM ran, HostAnswer& answer) {
    if (!current_ || current_->id != id) return false;
    const std::shared_ptr<Exchange> exchange = std::move(current_);
    const unsigned long waited = GetTickCount() - exchange->startedAt;
    // A worker given up on still writes to its exchange: nothing of it is read.
    if (ran == 0) answer = {HostAnswer::Status::NotAnswering, 0, waited, nullptr};
    else answer = {exchange->status, static_cast<std::intptr_t>(exchange->value), waited, exchange->taken};
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
