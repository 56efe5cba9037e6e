#pragma once
// The process-wide start-up steps on Windows.
#include <memory>

#include "ports/program_entry_port.hpp"
#include "platform/win32/handles/unique_handle.hpp"
#include "platform/win32/tray/application_window.hpp"

class Win32ProgramEntry : public ProgramEntryPort {
public:
    // The window whose style the application window takes over; set once the
    // properties window exists.
    void setFormWindow(HWND window) { formWindow_ = window; }
    ApplicationWindow* application() { return application_.get(); }

    void registerHandCursor() override;
    Mutex openInstanceMutex(const std::string& name) override;
    Mutex createInstanceMutex(const std::string& name) override;
    void hideStartupShowState() override { hideFirstShow_ = true; }
    void initializeApplication(const std::string& title) override;
    void copyFormStyleToApplication() override;
    void runMessageLoop() override;
    void releaseInstanceMutex() override;
    // After the closing step: the mutex goes and the process ends here and
    // now. The closing step may run inside a pop-up menu's loop (which can
    // swallow a quit message), a box, a dialog or a wait on another program;
    // none of them may keep an ended program alive, or open, launch or write
    // anything more.
    [[noreturn]] void endProcess();

private:
    // The mutex only serves by existing: it is never closed while we run, and
    // the system removes it with the process.
    HANDLE mutex_ = nullptr;
    std::unique_ptr<ApplicationWindow> application_;
    HWND formWindow_ = nullptr;
    bool hideFirstShow_ = false;
};
