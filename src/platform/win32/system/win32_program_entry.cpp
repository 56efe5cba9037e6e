#include "platform/win32/system/win32_program_entry.hpp"

#include "platform/win32/window/cursor_table.hpp"
#include "platform/win32/window/message_step.hpp"

void Win32ProgramEntry::registerHandCursor() {
    // Resource names match without regard to case: "Hand" finds "HAND".
    setCursorSlot(1, LoadCursorA(GetModuleHandleA(nullptr), "Hand"));
}

namespace {
// Only a refusal means that the mutex is there for another copy (one with
// higher rights); an object of another kind by that name, or a lack of
// resources, does not.
ProgramEntryPort::Mutex failureOf(DWORD error) {
    return error == ERROR_ACCESS_DENIED ? ProgramEntryPort::Mutex::Denied : ProgramEntryPort::Mutex::Failed;
}
}  // namespace

ProgramEntryPort::Mutex Win32ProgramEntry::openInstanceMutex(const std::string& name) {
    UniqueKernelHandle other(OpenMutexA(MUTEX_ALL_ACCESS, FALSE, name.c_str()));
    if (other) return Mutex::Exists;
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND ? Mutex::Absent : failureOf(error);
}

ProgramEntryPort::Mutex Win32ProgramEntry::createInstanceMutex(const std::string& name) {
    mutex_ = CreateMutexA(nullptr, FALSE, name.c_str());
    if (mutex_ == nullptr) return failureOf(GetLastError());
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(mutex_);
        mutex_ = nullptr;
        return Mutex::Exists;
    }
    return Mutex::Ours;
}

void Win32ProgramEntry::initializeApplication(const std::string& title) {
    application_ = std::make_unique<ApplicationWindow>();
    SetWindowTextA(application_->window(), title.c_str());
    // The first ShowWindow of a process takes the launcher's show command
    // (minimised, maximised); spend it here on hiding.
    if (hideFirstShow_) ShowWindow(application_->window(), SW_HIDE);
}

void Win32ProgramEntry::copyFormStyleToApplication() {
    if (formWindow_ == nullptr || !application_) return;
    SetWindowLongA(application_->window(), GWL_STYLE, GetWindowLongA(formWindow_, GWL_STYLE));
}

void Win32ProgramEntry::runMessageLoop() {
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) dispatchMessage(msg);
}

void Win32ProgramEntry::releaseInstanceMutex() {
    if (mutex_ != nullptr) ReleaseMutex(mutex_);
}

void Win32ProgramEntry::endProcess() {
    releaseInstanceMutex();
    ExitProcess(0);
}
