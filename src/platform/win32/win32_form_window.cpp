#include "platform/win32/win32_form_window.hpp"

#include "platform/win32/window_placement.hpp"

void Win32FormWindow::show() {
    if (!visible()) {
        // Placed first, so that onShow builds for the DPI of the monitor
        // the window opens on.
        bringOntoNearestMonitor(window_);
        if (onShow) onShow();
        ShowWindow(window_, SW_SHOWNORMAL);
    }
    SetForegroundWindow(window_);
    BringWindowToTop(window_);
}

void Win32FormWindow::setTop(int top) {
    SetWindowPos(window_, nullptr, rect().left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32FormWindow::setLeft(int left) {
    SetWindowPos(window_, nullptr, left, rect().top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int Win32FormWindow::outerWidth() {
    const RECT r = rect();
    return r.right - r.left;
}

int Win32FormWindow::outerHeight() {
    const RECT r = rect();
    return r.bottom - r.top;
}
