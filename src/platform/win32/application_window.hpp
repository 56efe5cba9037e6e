#pragma once
// The program's hidden top-level window: it owns the forms, carries the
// application title and stands for the program on the taskbar.
#include <functional>

#include "platform/win32/window_base.hpp"

class ApplicationWindow : private WindowBase {
public:
    ApplicationWindow();
    ~ApplicationWindow() override;

    HWND window() const { return hwnd(); }
    // A close request to the application window closes the properties window.
    std::function<void()> onCloseRequest;

private:
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override;
};
