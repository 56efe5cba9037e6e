#pragma once
// The program's hidden top-level window: it owns the forms, carries the
// application title and stands for the program on the taskbar.
#include <functional>

#include "platform/win32/handles/unique_handle.hpp"
#include "platform/win32/window/window_base.hpp"

class ApplicationWindow : private WindowBase {
public:
    ApplicationWindow();
    ~ApplicationWindow() override;

    HWND window() const { return hwnd(); }
    // A close request to the application window closes the properties window.
    std::function<void()> onCloseRequest;

    // The taskbar entry: the window is shown, without size, off screen and
    // without taking the activation, exactly while one of the forms it owns
    // (the properties window, the notice) is visible or a box or dialog is
    // open. Call after a form was shown or hidden.
    void updateTaskbarEntry();
    // A box, dialog or the notice opened or was answered. One that opens
    // while another program is in front cannot take the foreground: the
    // entry flashes until it is answered.
    void modalChanged(bool opened);

private:
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override;
    // The owned form that an activation of the entry brings forward.
    HWND formToActivate() const;
    // A visible form that this window owns (not a box or common dialog).
    HWND visibleForm() const;

    void flash(bool on);

    UniqueIcon bigIcon_, smallIcon_;
    bool flashing_ = false;
};

// The small icon of the windows and the tray at `dpi`: the 16 x 16, 16-colour
// image where the system asks for 16 pixels (96 DPI), else the program icon's
// design at the size it asks for, not the small image blown up.
HICON loadSmallIcon(int dpi);
