#include "shell/tray_icon.hpp"

#include <utility>

#include "form/form_context.hpp"
#include "platform/win_constants.hpp"
#include "settings/setting_keys.hpp"
#include "shell/tray_menus.hpp"
#include "text/texts.hpp"

TrayIcon::TrayIcon(FormContext& form, TrayMenus& menus)
    : form_(form), menus_(menus), retry_(form.platform.timers, TimerId::IconRetry, kRetryIntervalMs) {}

void TrayIcon::add() {
    wanted_ = true;
    if (form_.platform.tray.addIcon(txt::kProductName)) {
        retry_.setEnabled(false);
        return;
    }
    // Without the icon the program could be neither used nor ended.
    retriesLeft_ = kRetries;
    retry_.setEnabled(true);
}

void TrayIcon::IconRetry_TimerTimer() {
    if (wanted_ && !form_.platform.tray.addIcon(txt::kProductName) && --retriesLeft_ > 0) return;
    retry_.setEnabled(false);
}

void TrayIcon::remove() {
    wanted_ = false;
    retry_.setEnabled(false);
    form_.platform.tray.removeIcon();
}

void TrayIcon::TaskbarCreated() {
    if (wanted_) add();
}

void TrayIcon::TrayIconMessage(std::intptr_t lParam) {
    // The menu opens where the cursor was when the message was handled.
    const ScreenPoint at = form_.platform.tray.cursorPos();
    const bool secondPressDue = std::exchange(secondPressDue_, false);
    if (lParam == win::kWmLButtonUp || lParam == win::kWmMouseMove) secondPressDue_ = secondPressDue;
    switch (lParam) {
        case win::kWmLButtonDown:
            // The second press of a double click that the shell reported first.
            if (!(secondPressDue && form_.platform.tray.pressEndsDoubleClick())) leftButtonDown(at);
            break;
        case win::kWmLButtonDblClk: doubleClickMessage(); break;
        case win::kWmRButtonDown:
            form_.platform.tray.foregroundAndProcessMessages();
            // A waiting message may have closed the program.
            if (!form_.closing) menus_.openRight(at);
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
    // The shell's callbacks are sent: the second press of a double click can
    // arrive while this one's menu is on its way or open.
    const bool outerPress = leftPress_;
    leftPress_ = true;
    ranForSecondPress_ = false;
    doubleClickArrived_ = false;
    form_.platform.tray.foregroundAndProcessMessages();
    // A waiting message may have closed the program.
    const TrayMenuItem closedBy =
        doubleClickArrived_ || form_.closing ? TrayMenuItem::None : menus_.openLeft(at);
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
    // No press of ours is under way: the shell paired an earlier press, whose
    // menu was dismissed, with this double click's first press, and reports
    // its second press next as a plain one.
    form_.platform.tray.markDoubleClick();
    secondPressDue_ = true;
    doubleClick();
}

void TrayIcon::doubleClick() {
    if (form_.closing) return;
    // Two independent choices: with both on, the save runs first, then the
    // window opens.
    if (form_.settings.readFlag(keys::kSettingGroup, keys::kSaveRadioButton, false)) menus_.requestSave();
    // The save's box may have seen the program close.
    if (form_.closing) return;
    if (form_.settings.readFlag(keys::kSettingGroup, keys::kMainFormRadioButton,
                                form_.controls.MainForm_RadioButton.initiallyChecked()))
        menus_.Property_MenuItemClick();
}
