#pragma once
// The properties window (TMainForm) as a Win32 window: it owns the hidden
// rich-text holder, receives the tray icon's messages, the timers' ticks and
// the menu commands, and hands each to the program's logic.
#include <functional>

#include "platform/win32/unique_handle.hpp"
#include "platform/win32/window_base.hpp"

class PropertiesWindow : private WindowBase {
public:
    struct Events {
        std::function<void(LPARAM)> trayMessage;     // WM_USER from the tray icon
        std::function<void(UINT_PTR)> timer;         // WM_TIMER
        std::function<void(unsigned)> command;       // WM_COMMAND from a menu
        std::function<void()> closing;               // the window is being closed; the program ends
        std::function<void()> taskbarCreated;        // the notification area was re-created
        std::function<void()> shownOrHidden;         // the window appeared or went
    };

    PropertiesWindow(HWND applicationWindow, HICON icon, int dpi);
    ~PropertiesWindow() override;

    void setEvents(Events events) { events_ = std::move(events); }
    HWND window() const { return hwnd(); }
    HFONT font() const { return font_.get(); }
    int dpi() const { return dpi_; }

private:
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override;

    int dpi_;
    UniqueFont font_;
    UINT taskbarCreated_;
    HWND lastFocus_ = nullptr;  // the control to give the focus back to
    Events events_;
};
