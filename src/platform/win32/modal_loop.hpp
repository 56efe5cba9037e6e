#pragma once
// A modal loop for our own windows: the other windows of the program are
// disabled, and messages (timer ticks, tray messages) keep flowing until
// `running` turns false. A quit request ends the loop and is passed on to
// the outer loop.
#include <windows.h>

#include <functional>

void runModalLoop(HWND modalWindow, HWND applicationWindow, const std::function<bool()>& running);
