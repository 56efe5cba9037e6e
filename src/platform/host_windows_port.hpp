#pragma once
// Windows of other programs: lookup by title or class and the messages that the
// save command sends to their text controls.
#include <cstdint>
#include <string>

#include "platform/win_constants.hpp"

// How long one save waits, all told, for the log window's answers to its
// short messages (the length, the select-all). A host that is busy loading a
// long log answers within it; one that stays silent longer is taken as hung.
// The copy has a limit of its own, sized to the log (capture/host_limits.hpp).
constexpr unsigned long kHostAnswerLimitMs = 60UL * 1000;

// What became of a message sent to another program's window.
struct HostAnswer {
    enum class Status {
        Answered,      // value is the window's answer
        NotAnswering,   // no answer within the limit
        Gone,           // the window does not exist (any more)
        ProgramEnding,  // the program was asked to end while it waited
    };
    Status status = Status::Answered;
    std::intptr_t value = 0;
    unsigned long waitedMs = 0;  // how long the answer was waited for

    bool answered() const { return status == Status::Answered; }
};

class HostWindowsPort {
public:
    virtual ~HostWindowsPort() = default;
    // FindWindowA: className or title may be null (matches any).
    virtual win::Handle findWindow(const char* className, const char* title) = 0;
    // FindWindowExA(parent, after none, className, title).
    virtual win::Handle findChild(win::Handle parent, const char* className, const char* title) = 0;
    // SendMessageA, waiting at most limitMs for the answer. Meanwhile this
    // thread keeps handling its messages (the tray's, timer ticks, a close),
    // so the program is never taken for hung while a host is.
    virtual HostAnswer sendMessage(win::Handle window, unsigned message, std::uintptr_t wParam,
                                   std::intptr_t lParam, unsigned long limitMs) = 0;
    // Sends without waiting: a silent window acts on it once it takes its
    // messages again, after those sent to it before.
    virtual void sendWithoutWaiting(win::Handle window, unsigned message, std::uintptr_t wParam,
                                    std::intptr_t lParam) = 0;
    // WM_COPY to the control, waited for as sendMessage waits. Once the
    // control has answered, and if the clipboard's number is no longer
    // `before`, the data a paste takes is fetched in the same wait (a
    // program may put its copy there as a promise, rendered only when asked
    // for), and the number is read right after: that number (value) stands
    // for the host's copy. A value still `before` means nothing was copied.
    virtual HostAnswer copyToClipboard(win::Handle control, std::uint32_t before, unsigned long limitMs) = 0;
    // Inside the wait of copyToClipboard: the control has answered, and the
    // wait returns once the message handled meanwhile (a menu) is done.
    virtual bool answerArrived() = 0;
    // GetWindowTextLengthA, then GetWindowTextA with a buffer of length + 1.
    virtual std::string windowTitle(win::Handle window) = 0;
};
