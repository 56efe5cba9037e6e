#include "platform/win32/host/worker_clipboard.hpp"

#include "ports/clipboard_port.hpp"

namespace {
constexpr UINT kGiveUp = WM_APP + 1;
constexpr char kClassName[] = "OrvexLogClipboardWorker";

// Runs on the worker, inside whatever wait on the host it is in.
LRESULT CALLBACK workerWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kGiveUp) {
        if (GetOpenClipboardWindow() == window) CloseClipboard();
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

const char* workerClass() {
    // Registered once for the process; a class stays until the process ends.
    static const bool registered = [] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = workerWindowProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = kClassName;
        return RegisterClassA(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
    }();
    return registered ? kClassName : nullptr;
}
}  // namespace

void waitWhileClipboardOpen() {
    const DWORD start = GetTickCount();
    while (GetOpenClipboardWindow() != nullptr) {
        const unsigned long pause = clipboardRetryPauseMs(GetTickCount() - start);
        if (pause == 0) return;
        Sleep(pause);
    }
}

void ClipboardHandOver::giveUp() {
    // Set before the window is read, as the worker sets its window before it
    // reads the flag: one of the two sees the other.
    givenUp_.store(true);
    if (const HWND window = window_.load()) SendNotifyMessageA(window, kGiveUp, 0, 0);
}

WorkerClipboard::WorkerClipboard(ClipboardHandOver& handOver) : handOver_(handOver) {
    if (const char* className = workerClass())
        window_.reset(CreateWindowExA(0, className, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                      GetModuleHandleA(nullptr), nullptr));
    handOver_.window_.store(window_.get());
}

WorkerClipboard::~WorkerClipboard() {
    if (stillOpen()) CloseClipboard();
    handOver_.window_.store(nullptr);
}

bool WorkerClipboard::stillOpen() const { return window_ && GetOpenClipboardWindow() == window_.get(); }

WorkerClipboard::Opening WorkerClipboard::open() {
    // Without a window of its own the worker could not be made to let go.
    if (!window_) return Opening::Held;
    const DWORD start = GetTickCount();
    for (;;) {
        if (handOver_.givenUp()) return Opening::GivenUp;
        if (OpenClipboard(window_.get()) != 0) {
            // Given up between the test and the opening: the message comes
            // only with the next wait, so the clipboard is closed here.
            if (!handOver_.givenUp()) return Opening::Open;
            CloseClipboard();
            return Opening::GivenUp;
        }
        const unsigned long pause = clipboardRetryPauseMs(GetTickCount() - start);
        if (pause == 0) return Opening::Held;
        Sleep(pause);
    }
}
