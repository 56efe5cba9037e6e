#include "shell/tray_menus.hpp"

#include "app/form_context.hpp"
#include "capture/save_command.hpp"

TrayMenuItem TrayMenus::openLeft(ScreenPoint at) {
    return form_.platform.tray.openLeftMenu(at, AutoSave_MenuItem.visible, AutoSave_MenuItem.checked);
}

void TrayMenus::openRight(ScreenPoint at) { run(form_.platform.tray.openRightMenu(at)); }

void TrayMenus::run(TrayMenuItem item) {
    switch (item) {
        case TrayMenuItem::AutoSave: AutoSave_MenuItemClick(); break;
        case TrayMenuItem::Save: save_.Save_MenuItemClick(); break;
        case TrayMenuItem::Properties: Property_MenuItemClick(); break;
        case TrayMenuItem::Exit: Exit_MenuItemClick(); break;
        case TrayMenuItem::None:
        case TrayMenuItem::SecondPress: break;
    }
}

void TrayMenus::AutoSave_MenuItemClick() {
    AutoSave_MenuItem.checked = !AutoSave_MenuItem.checked;
    form_.AutoSave_Timer.setEnabled(AutoSave_MenuItem.checked);
}

void TrayMenus::Property_MenuItemClick() { form_.platform.formWindow.show(); }

void TrayMenus::Exit_MenuItemClick() { form_.platform.formWindow.close(); }
