#pragma once
// Where a window opens: at its stored position, also partly off screen, but
// never wholly outside every monitor (a position stored on a monitor that
// has gone since), where nobody could reach it.
#include <windows.h>

// Moves a top-level window that lies wholly outside every monitor into the
// work area of the nearest one; a window that any monitor shows stays.
void bringOntoNearestMonitor(HWND window);
