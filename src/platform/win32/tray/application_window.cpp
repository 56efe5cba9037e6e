#include "platform/win32/tray/application_window.hpp"

#include <cstring>

#include "platform/win32/window/modal_loop.hpp"
#include "platform/win32/window/monitor_dpi.hpp"
#include "resource_names.h"
#include "text/texts.hpp"

namespace {
constexpr const char* kClassName = "TApplication";
// Posted to itself when activated: the activation moves on to a form once
// the entry's own activation has finished.
constexpr UINT kForwardActivation = WM_APP + 1;
constexpr int kOffScreen = -32000;

HICON loadProgramIcon(int metricX, int metricY) {
    return static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), ORVEXLOG_ICON_NAME, IMAGE_ICON,
                                         GetSystemMetrics(metricX), GetSystemMetrics(metricY), LR_DEFAULTCOLOR));
}

struct OwnedForms {
    HWND owner;
    HWND found;
};

// A visible window owned by the application window that is one of our forms,
// not a message box or a common dialog (class #32770).
BOOL CALLBACK findVisibleForm(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<OwnedForms*>(param);
    if (GetWindow(hwnd, GW_OWNER) != search->owner || !IsWindowVisible(hwnd)) return TRUE;
    char cls[16] = {};
    GetClassNameA(hwnd, cls, sizeof cls);
    if (std::strcmp(cls, "#32770") == 0) return TRUE;
    search->found = hwnd;
    return FALSE;
}
}  // namespace

ApplicationWindow::ApplicationWindow()
    : bigIcon_(loadProgramIcon(SM_CXICON, SM_CYICON)), smallIcon_(loadProgramIcon(SM_CXSMICON, SM_CYSMICON)) {
    registerClass(kClassName, nullptr);
    createWindow(0, kClassName, txt::kAppTitle, WS_POPUP | WS_CAPTION, 0, 0, 0, 0, nullptr);
    if (hwnd() == nullptr) return;
    // The taskbar entry and Alt+Tab show the program's own icon.
    SendMessageA(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_.get()));
    SendMessageA(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.get()));
}

HICON loadSmallIcon(int dpi) {
    const int size = systemMetricForDpi(SM_CXSMICON, dpi);
    return static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr),
                                         size == 16 ? ORVEXLOG_WINDOW_ICON_NAME : ORVEXLOG_ICON_NAME, IMAGE_ICON, size,
                                         size, LR_DEFAULTCOLOR));
}

ApplicationWindow::~ApplicationWindow() {
    if (hwnd() != nullptr) destroyOwnWindow(hwnd());
}

HWND ApplicationWindow::formToActivate() const {
    // A box or the notice over the forms comes first, as the taskbar does it.
    const HWND popup = GetLastActivePopup(hwnd());
    if (popup != nullptr && popup != hwnd() && IsWindowVisible(popup) && IsWindowEnabled(popup)) return popup;
    return visibleForm();
}

HWND ApplicationWindow::visibleForm() const {
    OwnedForms search{hwnd(), nullptr};
    EnumThreadWindows(GetCurrentThreadId(), findVisibleForm, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void ApplicationWindow::updateTaskbarEntry() {
    if (hwnd() == nullptr) return;
    const bool wanted = visibleForm() != nullptr || openModals() > 0;
    if (wanted == (IsWindowVisible(hwnd()) != 0)) return;
    // Without size and far off every monitor, where minimised windows go:
    // the entry needs the window visible, the screen must not show it (nor
    // must a window manager under Wine decorate it).
    SetWindowPos(hwnd(), nullptr, kOffScreen, kOffScreen, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | (wanted ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
}

void ApplicationWindow::modalChanged(bool opened) {
    updateTaskbarEntry();
    DWORD foregroundProcess = 0;
    GetWindowThreadProcessId(GetForegroundWindow(), &foregroundProcess);
    const bool behind = foregroundProcess != GetCurrentProcessId();
    if (!opened && flashing_) flash(false);
    if (behind && openModals() > 0) flash(true);
}

void ApplicationWindow::flash(bool on) {
    if (hwnd() == nullptr) return;
    FLASHWINFO info{sizeof info, hwnd(), on ? static_cast<DWORD>(FLASHW_TRAY | FLASHW_TIMERNOFG) : FLASHW_STOP, 0, 0};
    FlashWindowEx(&info);
    flashing_ = on;
}

LRESULT ApplicationWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ENDSESSION:
            // The session ends: stop at once, without the closing step.
            if (wParam) ExitProcess(0);
            return 0;
        case WM_CLOSE:
            if (onCloseRequest) onCloseRequest();
            return 0;
        case WM_ACTIVATE:
            // The entry was chosen on the taskbar or with Alt+Tab: the window
            // itself has nothing to show, the form it stands for comes forward.
            if (LOWORD(wParam) != WA_INACTIVE) PostMessageA(hwnd(), kForwardActivation, 0, 0);
            return defaultHandling(message, wParam, lParam);
        case kForwardActivation:
            if (GetActiveWindow() == hwnd())
                if (HWND form = formToActivate()) SetForegroundWindow(form);
            return 0;
        default:
            return defaultHandling(message, wParam, lParam);
    }
}
