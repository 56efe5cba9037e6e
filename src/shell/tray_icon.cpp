#include "shell/tray_icon.hpp"

#include <utility>

#include "form/form_context.hpp"
#include "ports/win_constants.hpp"
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

void TrayIcon::TrayIconMessage(const TrayEvent& event) {
    const unsigned message = event.message;
    const TrayPress& press = event.press;
    // Taken first: what a menu opened below lets in sees this one before it.
    const TrayEvent previous = message == win::kWmMouseMove ? previous_ : std::exchange(previous_, event);
    const bool secondPressDue = std::exchange(secondPressDue_, false);
    if (message == win::kWmLButtonUp || message == win::kWmMouseMove || message == win::kNinSelect)
        secondPressDue_ = secondPressDue;
    switch (message) {
        case win::kWmLButtonDown:
            // The second press of a double click that the shell reported first.
            if (!(secondPressDue && form_.platform.tray.sameGesture(doubleClickMark_, press))) leftButtonDown(press);
            break;
        case win::kWmLButtonDblClk: doubleClickMessage(press); break;
        case win::kWmRButtonDown: rightButtonDown(press); break;
        case win::kNinKeySelect: keySelect(event, previous); break;
        case win::kWmContextMenu:
            // After a right click the shell sends it too: that press opened
            // the menu. Alone, it is the menu key or Shift+F10.
            if (previous.message != win::kWmRButtonDown && previous.message != win::kWmRButtonUp)
                rightButtonDown(press);
            break;
        // Moves, releases, the middle button, and the notice after a left
        // click, whose press opened the menu already.
        default: break;
    }
}

void TrayIcon::keySelect(const TrayEvent& event, const TrayEvent& previous) {
    // One Enter may come as two notices, the second while the first one's
    // menu is open, or, when both waited for a step of a save, before the
    // first was handled: either way it opens no second menu.
    if (leftPress_ || (previous.message == win::kNinKeySelect && event.arrival <= arrivedBeforeKeySelect_)) return;
    arrivedBeforeKeySelect_ = arrivals_;
    leftButtonDown(event.press);
}

void TrayIcon::rightButtonDown(const TrayPress& press) {
    TrayMenuItem chosen = TrayMenuItem::None;
    {
        // From here on a menu is on its way: what a save shows waits for it.
        const SaveGate::MenuOpen setup(form_.gate);
        form_.platform.tray.foregroundAndProcessMessages();
        // A waiting message may have closed the program.
        if (!form_.closing) chosen = menus_.openRight(press.at);
    }
    menus_.run(chosen);
}

void TrayIcon::leftButtonDown(const TrayPress& press) {
    // The shell's callbacks are sent: the second press of a double click can
    // arrive while this one's menu is on its way or open.
    const bool outerPress = leftPress_;
    leftPress_ = true;
    ranForSecondPress_ = false;
    doubleClickArrived_ = false;
    const TrayMenuItem closedBy = openLeftMenu(press);
    leftPress_ = outerPress;
    if (closedBy != TrayMenuItem::SecondPress && !doubleClickArrived_) {
        menus_.run(closedBy);
        return;
    }
    ranForSecondPress_ = !doubleClickArrived_;
    doubleClickArrived_ = false;
    doubleClick();
}

TrayMenuItem TrayIcon::openLeftMenu(const TrayPress& press) {
    // From here on a menu is on its way: what a save ended meanwhile shows
    // waits for it, and the menu opens first, where the press was made.
    const SaveGate::MenuOpen setup(form_.gate);
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
    form_.platform.tray.foregroundAndProcessMessages();
    // A waiting message may have closed the program, or been the second
    // press of a double click.
    if (doubleClickArrived_ || form_.closing) return TrayMenuItem::None;
    // The check shows the timer as it is when the menu opens: a save that
    // ended while waiting messages ran may have switched it on.
    menus_.AutoSave_MenuItem.checked = form_.AutoSave_Timer.enabled();
    return menus_.openLeft(press);
}

void TrayIcon::doubleClickMessage(const TrayPress& press) {
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
    doubleClickMark_ = press;
    secondPressDue_ = true;
    doubleClick();
}

void TrayIcon::doubleClick() {
    if (form_.closing) return;
    // Two independent choices: with both on, the save runs first, and the
    // window opens once that save has ended and what it showed (the notice,
    // a box) has been answered.
    const bool save = form_.settings.readFlag(keys::kSettingGroup, keys::kSaveRadioButton, false);
    const bool show = form_.settings.readFlag(keys::kSettingGroup, keys::kMainFormRadioButton,
                                              form_.controls.MainForm_RadioButton.initiallyChecked());
    if (save) menus_.requestSave(show ? [this] { menus_.Property_MenuItemClick(); } : SaveGate::Handler());
    else if (show) menus_.Property_MenuItemClick();
}
