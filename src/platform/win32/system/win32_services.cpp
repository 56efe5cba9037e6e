#include "platform/win32/system/win32_services.hpp"

#include <shellapi.h>

#include <vector>

#include "platform/win32/handles/com_session.hpp"
#include "platform/win32/window/modal_loop.hpp"

int Win32MessageBoxes::show(const std::string& text, const std::string& caption, unsigned flags) {
    // MessageBoxA disables only its owner, the hidden application window.
    const ModalScope modal;
    return MessageBoxA(owner_, text.c_str(), caption.c_str(), flags);
}

LocalTime Win32Clock::now() {
    SYSTEMTIME t;
    GetLocalTime(&t);
    return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute};
}

void Win32Timers::start(TimerId id, unsigned intervalMs) {
    // SetTimer on an existing id restarts its countdown.
    SetTimer(window_, static_cast<UINT_PTR>(id), intervalMs, nullptr);
}

void Win32Timers::stop(TimerId id) { KillTimer(window_, static_cast<UINT_PTR>(id)); }

std::string Win32System::moduleFileName() {
    // Long paths are possible even where MAX_PATH is the usual limit.
    std::vector<char> buffer(MAX_PATH + 1);
    for (;;) {
        const DWORD n = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n == 0) return {};
        if (n < buffer.size()) return std::string(buffer.data(), n);
        buffer.resize(buffer.size() * 2);
    }
}

std::string Win32System::windowsDirectory() {
    char buffer[MAX_PATH + 1] = {};
    const UINT n = GetWindowsDirectoryA(buffer, sizeof buffer);
    return n > 0 && n < sizeof buffer ? std::string(buffer, n) : std::string();
}

void Win32Shell::shellExecute(const std::string& verb, const std::string& file, const std::string& parameters,
                              const std::string& folder, int show) {
    ole_.ensure();
    ShellExecuteA(owner_, verb.c_str(), file.c_str(), parameters.c_str(), folder.c_str(), show);
}

void Win32Shell::winExec(const std::string& commandLine, int show) {
    WinExec(commandLine.c_str(), static_cast<UINT>(show));
}
