#include "main/win32_app.hpp"

#include <memory>

#include "app/program_entry.hpp"
#include "main/win32_desktop.hpp"
#include "platform/win32/system/win32_program_entry.hpp"

// Start-up does only what the tray icon needs; OLE, the common controls,
// riched32.dll and the properties window's controls come when first used.
int runOrvexLog() {
    Win32ProgramEntry entry;
    std::unique_ptr<Win32Desktop> desktop;
    return runProgram(entry, [&]() -> MainForm& {
        desktop = std::make_unique<Win32Desktop>(entry);
        return desktop->mainForm();
    });
}
