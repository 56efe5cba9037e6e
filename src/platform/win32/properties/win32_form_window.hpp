#pragma once
// The properties window's own window as the tray and start-up see it.
#include <windows.h>

#include <functional>

#include "ports/form_window_port.hpp"

class Win32FormWindow : public FormWindowPort {
public:
    explicit Win32FormWindow(HWND window) : window_(window) {}

    bool visible() override { return IsWindowVisible(window_) != 0; }
    void show() override;
    void close() override { SendMessageA(window_, WM_CLOSE, 0, 0); }
    int top() override { return rect().top; }
    int left() override { return rect().left; }
    void setTop(int top) override;
    void setLeft(int left) override;
    int outerWidth() override;
    int outerHeight() override;

    std::function<void()> onShow;  // FormShow, when the window was hidden (and is placed)

private:
    RECT rect() const {
        RECT r{};
        GetWindowRect(window_, &r);
        return r;
    }
    HWND window_;
};
