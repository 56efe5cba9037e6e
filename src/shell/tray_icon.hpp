#pragma once
// The notification-area icon: placing it, putting it back when the shell's
// notification area is re-created, removing it, and the mouse messages the
// shell sends for it.
#include <cstdint>

#include "platform/tray_port.hpp"

class SaveCommand;
class TrayMenus;
struct FormContext;

class TrayIcon {
public:
    TrayIcon(FormContext& form, TrayMenus& menus, SaveCommand& save) : form_(form), menus_(menus), save_(save) {}

    void add();
    void remove();
    // The shell broadcast "TaskbarCreated": a restarted notification area has
    // forgotten the icon, so it is placed again while the program runs.
    void TaskbarCreated();
    bool shown() const { return shown_; }

    // WM_USER from the icon; lParam is the mouse message over it.
    void TrayIconMessage(std::intptr_t lParam);

private:
    void leftButtonDown(ScreenPoint at);
    void doubleClickMessage();
    void doubleClick();

    FormContext& form_;
    TrayMenus& menus_;
    SaveCommand& save_;
    bool shown_ = false;
    // A left press is being handled: its menu is open or about to open.
    bool leftPress_ = false;
    // WM_LBUTTONDBLCLK arrived while it was.
    bool doubleClickArrived_ = false;
    // A second press closed the menu and ran the double-click action; the
    // shell's WM_LBUTTONDBLCLK for that press, if it comes, is not run again.
    bool ranForSecondPress_ = false;
};
