#pragma once
// State shared by the handlers of the properties window (TMainForm): its
// controls, its timers, the in-memory save folder and the settings file.
#include <string>

#include "app/save_gate.hpp"
#include "platform/platform.hpp"
#include "settings/folder_paths.hpp"
#include "settings/setting_keys.hpp"
#include "settings/properties_controls.hpp"
#include "settings/settings_file.hpp"
#include "shell/timer.hpp"

struct FormContext {
    explicit FormContext(const Platform& p)
        : platform(p),
          programFile(p.system.moduleFileName()),
          settings(p.profile, settingsPathFor(programFile)),
          gate(p.hostWindows, p.queue),
          AutoSave_Timer(p.timers, TimerId::AutoSave, 60u * 60000u),
          CloseTimer(p.timers, TimerId::Close, 10000u) {}

    Platform platform;  // references to the ports
    std::string programFile;  // the executable's full path
    SettingsFile settings;
    // Knows whether a save is under way; what is asked for meanwhile waits.
    SaveGate gate;
    PropertiesControls controls;
    Timer AutoSave_Timer;
    Timer CloseTimer;
    std::string SaveFolderPath;
    // Width that SaveFolder_Edit shows the folder in: the box's width plus its
    // font's (negative) height, 281 - 12 at 96 DPI; the window sets it for
    // the screen's DPI before start-up fills the box.
    int saveFolderWidth = 281 - 12;
    // Set by the closing step: from then on the program is ending, and no
    // handler still running under a box, menu or dialog opens, launches or
    // writes anything more.
    bool closing = false;
    // FormCreate has given the window its position; a close before that
    // must not store the unplaced window's 0, 0 over the user's position.
    bool placed = false;
    // From FormCreate until start-up is over. Start-up can wait for its
    // question to be answered while the tray already works.
    bool starting = false;

    std::string programFolder() const { return programFolderOf(programFile); }
    // "OrvexLogPath" as the place it names: missing or empty is the program
    // folder, and a relative one lies in it, whatever the current folder is.
    std::string storedSaveFolder() const {
        const std::string stored = settings.readText(keys::kSettingGroup, keys::kOrvexLogPath, "");
        return FolderFromProgramFolder(stored, programFolder());
    }
    // Marks the window as holding unsaved changes.
    void SaveEnabled_CheckBoxClick() { controls.Save_Button.setEnabled(true); }
};
