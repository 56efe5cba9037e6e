#include "platform/win32/window/modal_loop.hpp"

#include "platform/win32/window/message_step.hpp"

namespace {
// One user-interface thread: the count and its watcher belong to it.
int g_openModals = 0;
std::function<void(bool)>& modalWatcher() {
    static std::function<void(bool)> watcher;
    return watcher;
}
}  // namespace

int openModals() { return g_openModals; }

void watchModals(std::function<void(bool opened)> changed) { modalWatcher() = std::move(changed); }

ModalScope::ModalScope(HWND keep) : keep_(keep), active_(GetActiveWindow()), focus_(GetFocus()) {
    EnumThreadWindows(GetCurrentThreadId(), &ModalScope::disableOne, reinterpret_cast<LPARAM>(this));
    ++g_openModals;
    if (modalWatcher()) modalWatcher()(true);
}

BOOL CALLBACK ModalScope::disableOne(HWND hwnd, LPARAM param) {
    auto* self = reinterpret_cast<ModalScope*>(param);
    if (hwnd != self->keep_ && IsWindowEnabled(hwnd)) {
        EnableWindow(hwnd, FALSE);
        self->disabled_.push_back(hwnd);
    }
    return TRUE;
}

ModalScope::~ModalScope() {
    for (HWND hwnd : disabled_)
        if (IsWindow(hwnd)) EnableWindow(hwnd, TRUE);
    --g_openModals;
    if (modalWatcher()) modalWatcher()(false);
    // The box's end activates its owner, the hidden application window, or
    // nothing: the user would type into nowhere.
    if (active_ == nullptr || !IsWindow(active_) || !IsWindowVisible(active_) || !IsWindowEnabled(active_)) return;
    if (GetActiveWindow() != active_) SetActiveWindow(active_);
    if (focus_ != nullptr && IsWindow(focus_) && (focus_ == active_ || IsChild(active_, focus_)) &&
        IsWindowVisible(focus_) && IsWindowEnabled(focus_) && GetFocus() != focus_)
        SetFocus(focus_);
}

void runModalLoop(const std::function<bool()>& running) {
    MSG msg;
    while (running()) {
        const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        if (got < 0) return;
        dispatchMessage(msg);
    }
}
