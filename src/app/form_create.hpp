#pragma once
// Preparing the properties window while it is created, before anything is on
// screen.

class FileNaming;
class HostLaunch;
class PropertiesReactions;
class SettingsTransfer;
class TrayIcon;
struct FormContext;

// The screen-centred start position along one axis: each half on its own,
// truncated toward zero, then the difference (800 and 413 give 194).
constexpr int centredOrigin(int screenSize, int outerSize) { return screenSize / 2 - outerSize / 2; }

// The parts of the properties window that its creation drives; the window
// hands them in, so that this step does not depend on the window.
struct FormCreateParts {
    FormContext& form;
    TrayIcon& trayIcon;
    SettingsTransfer& transfer;
    FileNaming& naming;
    PropertiesReactions& reactions;
    HostLaunch& hostLaunch;
};

// Tray icon, settings into the controls, timer interval, file-name sample and
// minutes label, save folder, window position, host launch; the window then
// starts with no unsaved changes.
void runFormCreate(const FormCreateParts& main);
