#pragma once
// The properties window on the simulated desktop, loaded as start-up leaves
// it, with the user's gestures as helpers.
#include <string>

#include "native/scenario/desktop_fixture.hpp"

class PropertiesTest : public DesktopTest {
protected:
    // Settings loaded and Save_Button disabled, as after start-up.
    MainForm& loaded() {
        form().transfer.LoadSettings();
        controls().Save_Button.setEnabled(false);
        return form();
    }
    PropertiesControls& controls() { return form().form.controls; }
    const std::string& saveFolderPath() { return form().form.SaveFolderPath; }

    // The tray shows the window.
    void showWindow() {
        d.view.visible = true;
        form().FormShow();
    }
    // A click that arrives as a user's, through the error display.
    void click(Button& button) {
        form().dispatch([&button] { button.click(); });
    }
    void clickCheckBox(CheckBox& box) {
        form().dispatch([&box] { box.setChecked(!box.checked()); });
    }
    // The user clicks into the save-folder box, replaces its text and leaves.
    void typeSaveFolder(const std::string& text) {
        Edit& box = controls().SaveFolder_Edit;
        box.onEnter();
        box.setText(text);
        box.onExit();
    }

    // A value of the settings file, "<missing>" when the key is not there.
    std::string setting(const std::string& section, const std::string& key) {
        return d.profile.read("C:\\Tools\\OrvexLog.ini", section, key, "<missing>");
    }
    std::string chatClientIni(const std::string& key) {
        return d.profile.read("orvex3.ini", "ORVEX", key, "<missing>");
    }
};
