#include "shell/tray_icon.hpp"

#include "app/form_context.hpp"
#include "capture/save_command.hpp"
#include "platform/win_constants.hpp"
#include "settings/setting_keys.hpp"
#include "shell/tray_menus.hpp"
#include "text/texts.hpp"

void TrayIcon::add() {
    form_.platform.tray.addIcon(txt::kProductName);
    shown_ = true;
}

void TrayIcon::remove() {
    form_.platform.tray.removeIcon();
    shown_ = false;
}

void TrayIcon::TaskbarCreated() {
    if (shown_) add();
}

void TrayIcon::TrayIconMessage(std::intptr_t lParam) {
    // The menu opens where the cursor was when the message was handled.
    const ScreenPoint at = form_.platform.tray.cursorPos();
    switch (lParam) {
        case win::kWmLButtonDown: leftButtonDown(at); break;
        case win::kWmLButtonDblClk: doubleClickMessage(); break;
        case win::kWmRButtonDown:
            form_.platform.tray.foregroundAndProcessMessages();
            menus_.openRight(at);
            break;
        default: break;  // moves, releases, the middle button
    }
}

void TrayIcon::leftButtonDown(ScreenPoint at) {
    // Committed settings decide; a key that was never written falls back to
    // the window's control. The menu key is read only when auto-save is on.
    const PropertiesControls& c = form_.controls;
    const bool autoSaveItem =
        form_.settings.readFlag(keys::kAutoSaveGroup, keys::kAutoSaveCheckBox, c.AutoSave_CheckBox.checked()) &&
        form_.settings.readFlag(keys::kAutoSaveGroup, keys::kAutoSaveMenuCheckBox, c.AutoSaveMenu_CheckBox.checked());
    menus_.AutoSave_MenuItem.visible = autoSaveItem;
    menus_.N2.visible = autoSaveItem;
    menus_.AutoSave_MenuItem.checked = form_.AutoSave_Timer.enabled();
    // The shell's callbacks are sent: the second press of a double click can
    // arrive while this one's menu is on its way or open.
    const bool outerPress = leftPress_;
    leftPress_ = true;
    ranForSecondPress_ = false;
    doubleClickArrived_ = false;
    form_.platform.tray.foregroundAndProcessMessages();
    const TrayMenuItem closedBy = doubleClickArrived_ ? TrayMenuItem::None : menus_.openLeft(at);
    leftPress_ = outerPress;
    if (closedBy != TrayMenuItem::SecondPress && !doubleClickArrived_) {
        menus_.run(closedBy);
        return;
    }
    ranForSecondPress_ = !doubleClickArrived_;
    doubleClickArrived_ = false;
    doubleClick();
}

void TrayIcon::doubleClickMessage() {
    if (leftPress_) {
        // The menu of the first press gives way; its press runs the action
        // once the menu has closed.
        doubleClickArrived_ = true;
        form_.platform.tray.closeMenu();
        return;
    }
    if (ranForSecondPress_) {
        ranForSecondPress_ = false;
        return;
    }
    doubleClick();
}

void TrayIcon::doubleClick() {
    // Two independent choices: with both on, the save runs first, then the
    // window opens.
    if (form_.settings.readFlag(keys::kSettingGroup, keys::kSaveRadioButton, false)) save_.Save_MenuItemClick();
    if (form_.settings.readFlag(keys::kSettingGroup, keys::kMainFormRadioButton,
                                form_.controls.MainForm_RadioButton.checked()))
        menus_.Property_MenuItemClick();
}
