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
    // What became of one look at the single-instance mutex.
    enum class Mutex {
        Absent,     // no such object: no copy runs
        Ours,       // created by this call; kept until releaseInstanceMutex
        Exists,     // another copy holds it (a handle it gave is closed at once)
        Denied,     // ERROR_ACCESS_DENIED: it exists, held by a copy started
                    // with higher rights
        Failed,     // any other failure, which tells nothing of another copy
    };
    // OpenMutexA(MUTEX_ALL_ACCESS, FALSE, name): Absent, Exists, Denied or
    // Failed.
    virtual Mutex openInstanceMutex(const std::string& name) = 0;
    // CreateMutexA(no security attributes, FALSE, name): Ours, Exists
    // (ERROR_ALREADY_EXISTS: another copy created it first), Denied or Failed.
    virtual Mutex createInstanceMutex(const std::string& name) = 0;
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
