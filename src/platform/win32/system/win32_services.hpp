#pragma once
// system/: the system's services to the core. Uses tray/ (application window), window/, handles/, ports.
//
// The small Win32 services of the core: message boxes, clock, window timers,
// system facts and the shell.
#include <windows.h>

#include "ports/clock_port.hpp"
#include "ports/message_box_port.hpp"
#include "ports/message_queue_port.hpp"
#include "ports/shell_port.hpp"
#include "ports/system_port.hpp"
#include "ports/timer_port.hpp"

class Win32MessageBoxes : public MessageBoxPort {
public:
    void setOwner(HWND applicationWindow) { owner_ = applicationWindow; }
    int show(const std::string& text, const std::string& caption, unsigned flags) override;

private:
    HWND owner_ = nullptr;
};

class Win32Clock : public ClockPort {
public:
    LocalTime now() override;
};

// Timers of the properties window; WM_TIMER carries the TimerId as its id.
class Win32Timers : public TimerPort {
public:
    void setWindow(HWND window) { window_ = window; }
    void start(TimerId id, unsigned intervalMs) override;
    void stop(TimerId id) override;

private:
    HWND window_ = nullptr;
};

// The program's message that hands it what waited, posted to one of its
// windows, which passes it on.
class Win32MessageQueue : public MessageQueuePort {
public:
    void setTarget(HWND window, UINT message) {
        window_ = window;
        message_ = message;
    }
    void postRunDeferred() override { PostMessageA(window_, message_, 0, 0); }

private:
    HWND window_ = nullptr;
    UINT message_ = 0;
};

class Win32System : public SystemPort {
public:
    std::string moduleFileName() override;
    std::string windowsDirectory() override;
    int screenWidth() override { return GetSystemMetrics(SM_CXSCREEN); }
    int screenHeight() override { return GetSystemMetrics(SM_CYSCREEN); }
};

class OleOnDemand;

// ShellExecuteA may hand the work to shell extensions that need COM in a
// single-threaded apartment on the calling thread: OLE (which gives one) is
// started before the first call, once, as the rich-text holder needs it too.
class Win32Shell : public ShellPort {
public:
    explicit Win32Shell(OleOnDemand& ole) : ole_(ole) {}
    void setOwner(HWND propertiesWindow) { owner_ = propertiesWindow; }
    void shellExecute(const std::string& verb, const std::string& file, const std::string& parameters,
                      const std::string& folder, int show) override;
    void winExec(const std::string& commandLine, int show) override;

private:
    OleOnDemand& ole_;
    HWND owner_ = nullptr;
};
