#pragma once
// The resident program on Windows: its windows, the Win32 ports, the
// properties window's logic, and the message loop.

// Runs the program until the properties window is closed; returns the exit
// code.
int runOrvexLog();
