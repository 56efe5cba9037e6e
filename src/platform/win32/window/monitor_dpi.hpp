#pragma once
// The DPI of the monitor a window is on. The program declares itself aware
// of each monitor's DPI (res/orvexlog.manifest); the per-window functions it
// needs for that exist from Windows 10 1607 on and are looked up when first
// used. Where they are missing (Windows 7 and 8, where the program is aware
// of the system DPI only; 8.1 and early 10, which only tell a window its new
// DPI when it moves) the system DPI and the classic functions answer.
#include <windows.h>

// The DPI `window` is shown at: its monitor's, or the system DPI.
int windowDpi(HWND window);

// Sizes a top-level window so that its client area is width x height. With
// `at` (WM_DPICHANGED's suggested rectangle) the window first takes that
// rectangle; otherwise its left and top edges stay.
void sizeWindowForClient(HWND window, int clientWidth, int clientHeight, int dpi, const RECT* at = nullptr);

// A system metric (SM_CXSMICON, ...) as the system gives it at `dpi`.
int systemMetricForDpi(int index, int dpi);

// WM_DPICHANGED's suggested rectangle, or null when it points at nothing
// readable: another program can send the message with any value there.
const RECT* suggestedRect(LPARAM lParam);
