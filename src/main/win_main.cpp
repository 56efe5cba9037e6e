// Program entry of OrvexLog.exe. The command line is not examined.
#include <windows.h>

#include "main/win32_app.hpp"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return runOrvexLog(); }
