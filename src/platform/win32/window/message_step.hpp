#pragma once
// The one step every loop of the program takes for a message: the main loop,
// the notice's and the tray's processing of what is waiting. Windows' own loops (boxes, dialogs, menus) have theirs.
#include <windows.h>

// Dialog keys (Tab, the arrows, Enter, Escape, access keys) go to the window
// of ours they were typed in: the properties window, the notice or a box,
// whichever loop took them. Everything else is translated and dispatched.
void dispatchMessage(MSG& msg);

// Retrieves the next message, without waiting.
bool takeMessage(MSG& msg);
