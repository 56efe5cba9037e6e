#pragma once
// The process-wide steps of the program entry that are not the forms' own:
// cursor table, single-instance mutex, application window, message loop.
#include <string>

class ProgramEntryPort {
public:
    virtual ~ProgramEntryPort() = default;
    // LoadCursorA(own module, "Hand") into cursor slot 1; the slot stays
    // empty when the resource cannot be loaded.
    virtual void registerHandCursor() = 0;
    // OpenMutexA(MUTEX_ALL_ACCESS, FALSE, name). A handle it gives is closed
    // at once; true means another copy runs.
    virtual bool openInstanceMutex(const std::string& name) = 0;
    // CreateMutexA(no security attributes, FALSE, name); the handle is kept
    // until releaseInstanceMutex. True when GetLastError() reported
    // ERROR_ALREADY_EXISTS: another copy created it first (this copy then
    // ends; its handle is closed).
    virtual bool createInstanceMutex(const std::string& name) = 0;
    // The start-up show command becomes SW_HIDE, whatever the launcher asked.
    virtual void hideStartupShowState() = 0;
    // Initialises the application (its hidden window) and sets its title.
    virtual void initializeApplication(const std::string& title) = 0;
    // GetWindowLongA(properties window, GWL_STYLE), written unchanged with
    // SetWindowLongA to the application window.
    virtual void copyFormStyleToApplication() = 0;
    // Runs the message loop until the properties window has been closed.
    virtual void runMessageLoop() = 0;
    // ReleaseMutex on the kept handle.
    virtual void releaseInstanceMutex() = 0;
};
