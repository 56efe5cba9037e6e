#pragma once
// Windows of other programs: lookup by title or class and the messages that the
// save command sends to their text controls.
#include <cstdint>
#include <string>

#include "platform/win_constants.hpp"

// How long one message to another program's window is waited for. A host
// that is busy (loading or copying a long log) answers within it; one that
// stays silent longer is taken as hung, so the tray is held up for a minute
// at most. Twice the slowest copy measured (3 MB under Wine: 29 s).
constexpr unsigned kHostAnswerLimitMs = 60 * 1000;

// What became of a message sent to another program's window.
struct HostAnswer {
    enum class Status {
        Answered,      // value is the window's answer
        NotAnswering,  // no answer within kHostAnswerLimitMs
        Gone,          // the window does not exist (any more)
    };
    Status status = Status::Answered;
    std::intptr_t value = 0;

    bool answered() const { return status == Status::Answered; }
};

class HostWindowsPort {
public:
    virtual ~HostWindowsPort() = default;
    // FindWindowA: className or title may be null (matches any).
    virtual win::Handle findWindow(const char* className, const char* title) = 0;
    // FindWindowExA(parent, after none, className, title).
    virtual win::Handle findChild(win::Handle parent, const char* className, const char* title) = 0;
    // SendMessageA, waiting at most kHostAnswerLimitMs for the answer. Sent
    // messages to this thread (the tray's, for one) are handled meanwhile.
    virtual HostAnswer sendMessage(win::Handle window, unsigned message, std::uintptr_t wParam,
                                   std::intptr_t lParam) = 0;
    // GetWindowTextLengthA, then GetWindowTextA with a buffer of length + 1.
    virtual std::string windowTitle(win::Handle window) = 0;
};
