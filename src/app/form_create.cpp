#include "app/form_create.hpp"

#include "capture/file_naming.hpp"
#include "form/form_context.hpp"
#include "hosts/host_launch.hpp"
#include "properties/properties_reactions.hpp"
#include "properties/settings_transfer.hpp"
#include "settings/setting_keys.hpp"
#include "shell/tray_icon.hpp"

void runFormCreate(const FormCreateParts& main) {
    FormContext& form = main.form;
    PropertiesControls& c = form.controls;
    Platform& p = form.platform;

    main.trayIcon.add();
    main.transfer.LoadSettings();
    // Loading may ask for the chat client's executable; closed from the tray
    // under that question, the program ends here and start-up goes no
    // further.
    if (form.closing) return;
    // The interval waits for the first switch-on; the timer stays off.
    form.AutoSave_Timer.setInterval(static_cast<unsigned>(c.AutoSave_TrackBar.position()) * 60000u);
    main.naming.CheckBoxClick();
    main.reactions.AutoSave_TrackBarChange();

    form.SaveFolderPath = form.storedSaveFolderText();
    main.transfer.showSaveFolderShortened();

    // Stored positions are used as they are, off screen included.
    p.formWindow.setTop(form.settings.readInt(keys::kFormPosition, keys::kMainTop,
                                              centredOrigin(p.system.screenHeight(), p.formWindow.outerHeight())));
    p.formWindow.setLeft(form.settings.readInt(keys::kFormPosition, keys::kMainLeft,
                                               centredOrigin(p.system.screenWidth(), p.formWindow.outerWidth())));
    form.placed = true;

    // Starts a host program only when Create_CheckBox is checked and the chat
    // client is not running yet.
    main.hostLaunch.LaunchHostProgram();

    // Loading and the refreshes above marked the window changed; nothing is
    // unsaved yet.
    c.Save_Button.setEnabled(false);
}
