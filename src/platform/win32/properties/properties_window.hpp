#pragma once
// properties/: the properties window. Uses tray/, controls/, window/, handles/, ports, app/, text/.
//
// The properties window (TMainForm) as a Win32 window: it owns the hidden
// rich-text holder, receives the tray icon's messages, the timers' ticks and
// the menu commands, and hands each to the program's logic.
#include <functional>

#include "platform/win32/handles/unique_handle.hpp"
#include "platform/win32/window/window_base.hpp"

class PropertiesWindow : private WindowBase {
public:
    struct Events {
        std::function<void(WPARAM, LPARAM)> trayMessage;  // WM_USER from the tray icon
        std::function<void(UINT_PTR)> timer;         // WM_TIMER
        std::function<void(unsigned)> command;       // WM_COMMAND from a menu
        std::function<void()> closing;               // the window is being closed; the program ends
        std::function<void()> taskbarCreated;        // the notification area was re-created
        std::function<void()> shownOrHidden;         // the window appeared or went
        std::function<void()> dpiChanged;            // new DPI and font, the window sized for them
        std::function<void()> runDeferred;           // kRunDeferred, posted by the program
        std::function<void(WPARAM, LPARAM)> hostAnswered;  // kHostAnswered, posted by a host's worker
    };
    // Posted by the program to itself: hands it what waited for a save.
    static constexpr UINT kRunDeferred = WM_APP + 10;
    // Posted by the worker that sent a message to a host: its answer.
    static constexpr UINT kHostAnswered = WM_APP + 11;

    PropertiesWindow(HWND applicationWindow, HICON icon, int dpi);
    ~PropertiesWindow() override;

    void setEvents(Events events) { events_ = std::move(events); }
    HWND window() const { return hwnd(); }
    HFONT font() const { return font_.get(); }
    int dpi() const { return dpi_; }

    // Takes the DPI of the monitor the window is on now, before it shows
    // there: placed first, then sized.
    void followMonitor();

private:
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT onActivate(WPARAM wParam, LPARAM lParam);
    // A new DPI: the font made again, the client area scaled (within
    // `suggested`, WM_DPICHANGED's rectangle, where there is one), then
    // dpiChanged; the old font goes after it.
    void applyDpi(int dpi, const RECT* suggested);

    int dpi_;
    UniqueFont font_;
    UINT taskbarCreated_;
    HWND lastFocus_ = nullptr;  // the control to give the focus back to
    Events events_;
};
