#pragma once
// Command identifiers of the tray menus' items, as they arrive in WM_COMMAND
// at the properties window.

enum MenuCommandId : unsigned {
    kCmdAutoSave = 101,    // AutoSave_MenuItem
    kCmdSave = 102,        // Save_MenuItem
    kCmdProperties = 201,  // Property_MenuItem
    kCmdExit = 202,        // Exit_MenuItem
};
