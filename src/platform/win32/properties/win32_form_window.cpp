#include "platform/win32/properties/win32_form_window.hpp"

#include "platform/win32/window/modal_loop.hpp"
#include "platform/win32/window/window_placement.hpp"

void Win32FormWindow::show() {
    // Asked for under an open box or dialog, the window comes up behind it,
    // disabled like every window of ours there: the box is what must be
    // answered first.
    const bool underModal = openModals() > 0;
    if (!visible()) {
        // Placed first, so that onShow builds for the DPI of the monitor
        // the window opens on.
        bringOntoNearestMonitor(window_);
        if (onShow) onShow();
        ShowWindow(window_, underModal ? SW_SHOWNOACTIVATE : SW_SHOWNORMAL);
    }
    if (underModal) return;
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
