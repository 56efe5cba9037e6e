#include "platform/win32/properties/properties_window.hpp"

#include "platform/win32/window/gui_font.hpp"
#include "platform/win32/window/monitor_dpi.hpp"
#include "text/texts.hpp"

namespace {
constexpr const char* kClassName = "TMainForm";
// Fixed single border with caption and no border icons at all.
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_CLIPCHILDREN;
constexpr int kClientWidth = 406, kClientHeight = 259;
}  // namespace

PropertiesWindow::PropertiesWindow(HWND applicationWindow, HICON icon, int dpi)
    : dpi_(dpi), font_(createWindowFont(12, dpi)), taskbarCreated_(RegisterWindowMessageA("TaskbarCreated")) {
    registerClass(kClassName, icon);
    RECT frame{0, 0, scaleToDpi(kClientWidth, dpi), scaleToDpi(kClientHeight, dpi)};
    AdjustWindowRectEx(&frame, kStyle, FALSE, 0);
    createWindow(0, kClassName, txt::kAppTitle, kStyle, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 applicationWindow);
}

PropertiesWindow::~PropertiesWindow() {
    if (hwnd() != nullptr) destroyOwnWindow(hwnd());
}

void PropertiesWindow::followMonitor() {
    const int dpi = windowDpi(hwnd());
    if (dpi != dpi_) applyDpi(dpi, nullptr);
}

void PropertiesWindow::applyDpi(int dpi, const RECT* suggested) {
    const UniqueFont old = remakeWindowFont(font_, dpi_, dpi);
    sizeWindowForClient(hwnd(), scaleToDpi(kClientWidth, dpi_), scaleToDpi(kClientHeight, dpi_), dpi_, suggested);
    if (old && events_.dpiChanged) events_.dpiChanged();
}

// Keeps the focused control across deactivation; the default would leave the
// focus on the frame when the window comes back.
LRESULT PropertiesWindow::onActivate(WPARAM wParam, LPARAM lParam) {
    if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus != nullptr && IsChild(hwnd(), focus)) lastFocus_ = focus;
    } else if (lastFocus_ != nullptr && IsWindow(lastFocus_) && IsWindowVisible(lastFocus_) &&
               IsWindowEnabled(lastFocus_)) {
        SetFocus(lastFocus_);
        return 0;
    }
    return defaultHandling(WM_ACTIVATE, wParam, lParam);
}

LRESULT PropertiesWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == taskbarCreated_ && taskbarCreated_ != 0) {
        if (events_.taskbarCreated) events_.taskbarCreated();
        return 0;
    }
    switch (message) {
        case WM_USER:
            // The tray decides which are our icon's: WM_USER is too common a
            // number to take another program's for a click on the icon.
            if (events_.trayMessage) events_.trayMessage(wParam, lParam);
            return 0;
        case WM_TIMER:
            if (events_.timer) events_.timer(wParam);
            return 0;
        case kRunDeferred:
            if (events_.runDeferred) events_.runDeferred();
            return 0;
        case kHostAnswered:
            if (events_.hostAnswered) events_.hostAnswered(wParam, lParam);
            return 0;
        case WM_COMMAND:
            if (lParam == 0 && events_.command) events_.command(LOWORD(wParam));
            return 0;
        case WM_ACTIVATE:
            return onActivate(wParam, lParam);
        case WM_WINDOWPOSCHANGED:
            if ((reinterpret_cast<const WINDOWPOS*>(lParam)->flags & (SWP_SHOWWINDOW | SWP_HIDEWINDOW)) != 0 &&
                events_.shownOrHidden)
                events_.shownOrHidden();
            return defaultHandling(message, wParam, lParam);
        case WM_DPICHANGED:
            applyDpi(LOWORD(wParam), suggestedRect(lParam));
            return 0;
        case WM_CLOSE:
            // The closing event ends the process, or refuses a close that
            // comes while the closing step still shows its error: a quit then
            // would end that box's loop. Without one, the message loop ends.
            if (events_.closing) events_.closing();
            else PostQuitMessage(0);
            return 0;
        case WM_CTLCOLORSTATIC:
            SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
        default:
            return defaultHandling(message, wParam, lParam);
    }
}
