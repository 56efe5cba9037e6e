#include "platform/win32/application_window.hpp"

#include "text/texts.hpp"

namespace {
constexpr const char* kClassName = "TApplication";
}

ApplicationWindow::ApplicationWindow() {
    registerClass(kClassName, nullptr);
    createWindow(0, kClassName, txt::kAppTitle, WS_POPUP | WS_CAPTION, 0, 0, 0, 0, nullptr);
}

ApplicationWindow::~ApplicationWindow() {
    if (hwnd() != nullptr) DestroyWindow(hwnd());
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
        default:
            return defaultHandling(message, wParam, lParam);
    }
}
