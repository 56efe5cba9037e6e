#include "shell/tray_menus.hpp"

#include <utility>

#include "capture/save_command.hpp"
#include "form/form_context.hpp"

TrayMenuItem TrayMenus::openLeft(const TrayPress& press) {
    const SaveGate::MenuOpen open(form_.gate);
    return form_.platform.tray.openLeftMenu(press, AutoSave_MenuItem.visible, AutoSave_MenuItem.checked);
}

TrayMenuItem TrayMenus::openRight(ScreenPoint at) {
    const SaveGate::MenuOpen open(form_.gate);
    return form_.platform.tray.openRightMenu(at);
}

void TrayMenus::run(TrayMenuItem item) {
    // Something handled while the menu was open closed the program.
    if (form_.closing) return;
    switch (item) {
        case TrayMenuItem::AutoSave: form_.gate.runOrDefer([this] { AutoSave_MenuItemClick(); }); break;
        case TrayMenuItem::Save: requestSave(); break;
        case TrayMenuItem::Properties: Property_MenuItemClick(); break;
        case TrayMenuItem::Exit: Exit_MenuItemClick(); break;
        // Esc: the keyboard goes back to the notification area, where the
        // user may go on.
        case TrayMenuItem::Cancelled: form_.platform.tray.focusNotificationArea(); break;
        case TrayMenuItem::None:
        case TrayMenuItem::SecondPress: break;
    }
}

void TrayMenus::AutoSave_MenuItemClick() {
    AutoSave_MenuItem.checked = !AutoSave_MenuItem.checked;
    form_.AutoSave_Timer.setEnabled(AutoSave_MenuItem.checked);
}

void TrayMenus::requestSave(const SaveGate::Handler& then) {
    if (form_.starting) {
        saveAfterStartup_ = true;
        if (then) afterStartupSave_ = then;
        return;
    }
    form_.gate.requestSave([this] { save_.Save_MenuItemClick(); }, then);
}

void TrayMenus::Property_MenuItemClick() {
    if (form_.starting) showAfterStartup_ = true;
    else form_.gate.runOrDefer([this] { form_.platform.formWindow.show(); });
}

void TrayMenus::startupDone() {
    form_.starting = false;
    if (std::exchange(saveAfterStartup_, false)) requestSave(std::exchange(afterStartupSave_, nullptr));
    if (std::exchange(showAfterStartup_, false) && !form_.closing) Property_MenuItemClick();
}

void TrayMenus::Exit_MenuItemClick() { form_.platform.formWindow.close(); }
