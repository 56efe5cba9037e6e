#pragma once
// form/: what every handler shares: controls, timers, settings, the save gate. Uses settings/ and below.
//
// State shared by the handlers of the properties window (TMainForm): its
// controls, its timers, the in-memory save folder and the settings file.
#include <string>

#include "form/properties_controls.hpp"
#include "form/save_gate.hpp"
#include "form/timer.hpp"
#include "ports/platform.hpp"
#include "settings/folder_paths.hpp"
#include "settings/setting_keys.hpp"
#include "settings/settings_file.hpp"

struct FormContext {
    explicit FormContext(const Platform& p)
        : platform(p),
          programFile(p.system.moduleFileName()),
          settings(p.profile, settingsPathFor(programFile)),
          gate(p.queue),
          AutoSave_Timer(p.timers, TimerId::AutoSave, 60u * 60000u),
          CloseTimer(p.timers, TimerId::Close, 10000u) {}

    Platform platform;  // references to the ports
    std::string programFile;  // the executable's full path
    SettingsFile settings;
    // Knows whether a save is under way, and what must wait for it.
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
    // "OrvexLogPath" as stored, the program folder when missing. An empty or
    // relative folder stays so: it goes with the program wherever the program
    // goes (a USB stick under another drive letter).
    std::string storedSaveFolderText() const {
        return settings.readText(keys::kSettingGroup, keys::kOrvexLogPath, programFolder());
    }
    // The place a stored or typed folder names: an empty or relative one lies
    // in the program folder, whatever the current folder is.
    std::string folderPlace(const std::string& folder) const {
        return FolderFromProgramFolder(folder, programFolder());
    }
    // The place "OrvexLogPath" names.
    std::string storedSaveFolder() const { return folderPlace(storedSaveFolderText()); }
    // Marks the window as holding unsaved changes.
    void SaveEnabled_CheckBoxClick() { controls.Save_Button.setEnabled(true); }
};
