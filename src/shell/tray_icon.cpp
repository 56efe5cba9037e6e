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
        case win::kWmLButtonDblClk: doubleClick(); break;
        case win::kWmRButtonDown:
            form_.platform.tray.foregroundAndProcessMessages();
            menus_.openRight(at);
            break;
        default: break;  // moves, releases, the middle button
    }
}

void TrayIcon::leftButtonDown(ScreenPoint at) {
    // Committed settings decide; a key that was never written stands for the
    // control's designed state, never for an uncommitted change. The menu key
    // is read only when auto-save is on.
    const PropertiesControls& c = form_.controls;
    const bool autoSaveItem =
        form_.settings.readFlag(keys::kAutoSaveGroup, keys::kAutoSaveCheckBox,
                                c.AutoSave_CheckBox.initiallyChecked()) &&
        form_.settings.readFlag(keys::kAutoSaveGroup, keys::kAutoSaveMenuCheckBox,
                                c.AutoSaveMenu_CheckBox.initiallyChecked());
    menus_.AutoSave_MenuItem.visible = autoSaveItem;
    menus_.N2.visible = autoSaveItem;
    menus_.AutoSave_MenuItem.checked = form_.AutoSave_Timer.enabled();
    form_.platform.tray.foregroundAndProcessMessages();
    menus_.openLeft(at);
}

void TrayIcon::doubleClick() {
    // Two independent choices: with both on, the save runs first, then the
    // window opens.
    if (form_.settings.readFlag(keys::kSettingGroup, keys::kSaveRadioButton, false)) save_.Save_MenuItemClick();
    if (form_.settings.readFlag(keys::kSettingGroup, keys::kMainFormRadioButton,
                                form_.controls.MainForm_RadioButton.initiallyChecked()))
        menus_.Property_MenuItemClick();
}
