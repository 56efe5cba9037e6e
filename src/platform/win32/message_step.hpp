#pragma once
// The one step every loop of the program takes for a message: the main loop,
// the notice's, the waits on a host program and the tray's processing of
// what is waiting. Windows' own loops (boxes, dialogs, menus) have theirs.
#include <windows.h>

// Dialog keys (Tab, the arrows, Enter, Escape, access keys) go to the window
// of ours they were typed in: the properties window, the notice or a box,
// whichever loop took them. Everything else is translated and dispatched.
void dispatchMessage(MSG& msg);

// Retrieves the next message that may be handled now, without waiting.
bool takeMessage(MSG& msg);
// What wakes a wait for messages: everything takeMessage retrieves.
DWORD wakeMask();

// While one lives, what the user types or clicks stays in the queue, to be
// answered when it has gone (a save's wait on its host): sent messages (the
// tray's), posted ones, timers and painting are still handled.
class HoldInput {
public:
    HoldInput();
    ~HoldInput();
    HoldInput(const HoldInput&) = delete;
    HoldInput& operator=(const HoldInput&) = delete;
};
