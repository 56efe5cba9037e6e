#pragma once
// The program-wide cursor table: controls whose cursor number is 1 (the two
// link labels) show the hand cursor placed there at start-up.
#include <windows.h>

HCURSOR cursorSlot(int slot);
void setCursorSlot(int slot, HCURSOR cursor);
