#include "platform/win32/win32_app.hpp"

#include <windows.h>
#include <commctrl.h>

#include <memory>

#include "app/program_entry.hpp"
#include "platform/win32/com_session.hpp"
#include "platform/win32/win32_desktop.hpp"
#include "platform/win32/win32_program_entry.hpp"

int runOrvexLog() {
    OleSession ole;
    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    // The rich-text holder's class "RICHEDIT" lives in riched32.dll.
    UniqueModule richEdit(LoadLibraryA("riched32.dll"));

    Win32ProgramEntry entry;
    std::unique_ptr<Win32Desktop> desktop;
    return runProgram(entry, [&]() -> MainForm& {
        desktop = std::make_unique<Win32Desktop>(entry);
        return desktop->mainForm();
    });
}
