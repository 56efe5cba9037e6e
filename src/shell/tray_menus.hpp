#pragma once
// The tray's two pop-up menus (LBPopupMenu, RBPopupMenu) and the handlers of
// their items.
#include "form/save_gate.hpp"
#include "ports/tray_port.hpp"

class SaveCommand;
struct FormContext;

// The part of a menu item's state that the program changes.
struct MenuItemState {
    bool visible;
    bool checked;
};

class TrayMenus {
public:
    TrayMenus(FormContext& form, SaveCommand& save) : form_(form), save_(save) {}

    // LBPopupMenu: "自動保存(&A)", separator N2, "保存(&S)". The first two
    // start hidden and are recomputed at every left press.
    MenuItemState AutoSave_MenuItem{false, false};
    MenuItemState N2{false, false};

    // Open the left menu where `press` was made, or the right menu at `at`,
    // and tell what closed it: the caller runs the item chosen (run), once
    // the menu has gone.
    TrayMenuItem openLeft(const TrayPress& press);
    TrayMenuItem openRight(ScreenPoint at);
    void run(TrayMenuItem item);

    // The save command; asked for during start-up, it runs once start-up is
    // over, against a complete program (the notice created and placed).
    // `then`: what comes once that save has ended and what it showed has
    // been answered.
    void requestSave(const SaveGate::Handler& then = nullptr);
    // Start-up is over: a save, then the properties window, asked for
    // meanwhile, come now.
    void startupDone();

    // Inverts the item's check mark; the timer follows it.
    void AutoSave_MenuItemClick();
    // Shows the properties window and brings it to the front; during
    // start-up, once start-up is over.
    void Property_MenuItemClick();
    // Closes the properties window, which ends the program.
    void Exit_MenuItemClick();

private:
    FormContext& form_;
    SaveCommand& save_;
    bool saveAfterStartup_ = false, showAfterStartup_ = false;
    SaveGate::Handler afterStartupSave_;
};
