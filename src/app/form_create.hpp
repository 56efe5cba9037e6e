#pragma once
// Preparing the properties window while it is created, before anything is on
// screen.

class MainForm;

// The screen-centred start position along one axis: each half on its own,
// truncated toward zero, then the difference (800 and 413 give 194).
constexpr int centredOrigin(int screenSize, int outerSize) { return screenSize / 2 - outerSize / 2; }

// Tray icon, settings into the controls, timer interval, file-name sample and
// minutes label, save folder, window position, host launch; the window then
// starts with no unsaved changes.
void runFormCreate(MainForm& main);
