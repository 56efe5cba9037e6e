#pragma once
// shell/: the tray icon, its menus, closing. Uses capture/, form/ and below.
//
// The notification-area icon: placing it, putting it back when the shell's
// notification area is re-created, removing it, and the mouse messages the
// shell sends for it.
#include <cstdint>

#include "form/timer.hpp"
#include "ports/tray_port.hpp"

class TrayMenus;
struct FormContext;

class TrayIcon {
public:
    TrayIcon(FormContext& form, TrayMenus& menus);

    // Places the icon; a refused add is tried again a few times, seconds
    // apart, since a shell busy at logon refuses adds for a while.
    void add();
    void remove();
    // The shell broadcast "TaskbarCreated": a restarted notification area has
    // forgotten the icon (or never had it), so it is placed again while the
    // program runs.
    void TaskbarCreated();
    // A tick of the retry timer.
    void IconRetry_TimerTimer();

    static constexpr unsigned kRetryIntervalMs = 3000;
    static constexpr int kRetries = 10;

    // Numbers an event of the icon as it arrives, before it may wait for a
    // step of a save.
    void arrived(TrayEvent& event) { event.arrival = ++arrivals_; }
    // WM_USER from the icon: a mouse message over it, or the shell's notice
    // of a click done or a key, made where and when its press says.
    void TrayIconMessage(const TrayEvent& event);

private:
    void leftButtonDown(const TrayPress& press);
    // Sets up and opens the left menu; what closed it.
    TrayMenuItem openLeftMenu(const TrayPress& press);
    void rightButtonDown(const TrayPress& press);
    // Enter or Space on the icon (version 4): the left menu, as a press.
    void keySelect(const TrayEvent& event, const TrayEvent& previous);
    void doubleClickMessage(const TrayPress& press);
    void doubleClick();

    FormContext& form_;
    TrayMenus& menus_;
    Timer retry_;
    int retriesLeft_ = 0;
    bool wanted_ = false;  // between add() and remove()
    // A left press is being handled: its menu is open or about to open.
    bool leftPress_ = false;
    // WM_LBUTTONDBLCLK arrived while it was.
    bool doubleClickArrived_ = false;
    // A second press closed the menu and ran the double-click action; the
    // shell's WM_LBUTTONDBLCLK for that press, if it comes, is not run again.
    bool ranForSecondPress_ = false;
    // The shell reported a double click (made as doubleClickMark_) before
    // its second press: the plain left press right after it (releases,
    // moves and the shell's notice aside), if it comes within the system's
    // double-click time and rectangle, is that press.
    bool secondPressDue_ = false;
    TrayPress doubleClickMark_;
    // The icon's last event but moves: a WM_CONTEXTMENU right after a right
    // press is that press's, and one Enter may come as two NIN_KEYSELECTs.
    TrayEvent previous_;
    unsigned long arrivals_ = 0;
    // How many events had arrived when the last NIN_KEYSELECT was handled.
    unsigned long arrivedBeforeKeySelect_ = 0;
};
