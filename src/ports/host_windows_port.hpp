#pragma once
// Windows of other programs: lookup by title or class and the messages that the
// save command sends to their text controls.
#include <cstdint>
#include <memory>
#include <string>
#include <utility>

#include "ports/clipboard_port.hpp"
#include "ports/win_constants.hpp"

// How long one save waits, all told, for the log window's answers to its
// short messages (the length, the select-all). A host that is busy loading a
// long log answers within it; one that stays silent longer is taken as hung.
// The copy has a limit of its own, sized to the log (capture/host_limits.hpp).
constexpr unsigned long kHostAnswerLimitMs = 60UL * 1000;

// What became of a message sent to another program's window.
struct HostAnswer {
    enum class Status {
        Answered,      // value is the window's answer
        NotAnswering,  // no answer within the limit
        Gone,          // the window does not exist (any more)
        // WM_COPY was answered, but what the clipboard holds now was not put
        // there by the window's own program.
        NotHostsCopy,
        // Another program held the clipboard open past kClipboardHeldLimitMs.
        ClipboardHeld,
    };
    HostAnswer() = default;
    HostAnswer(Status s, std::intptr_t v, unsigned long waited = 0, std::shared_ptr<const ClipboardCopy> copy = nullptr)
        : status(s), value(v), waitedMs(waited), taken(std::move(copy)) {}

    Status status = Status::Answered;
    std::intptr_t value = 0;
    unsigned long waitedMs = 0;  // how long the answer was waited for
    // The host's copy as taken off the clipboard; none when nothing
    // could be taken (nothing copied, or a promise the host did not keep).
    std::shared_ptr<const ClipboardCopy> taken;

    bool answered() const { return status == Status::Answered; }
};

// Messages to another program's window are sent on a worker and never waited
// for on this thread: each one's answer comes back later as a message to the
// program (MainForm::HostAnswered), taken by whichever loop runs then. One
// message is outstanding at a time.
class HostWindowsPort {
public:
    virtual ~HostWindowsPort() = default;
    // FindWindowA: className or title may be null (matches any).
    virtual win::Handle findWindow(const char* className, const char* title) = 0;
    // FindWindowExA(parent, after none, className, title).
    virtual win::Handle findChild(win::Handle parent, const char* className, const char* title) = 0;
    // SendMessageA on the worker, which waits at most limitMs for the answer.
    virtual void send(win::Handle window, unsigned message, std::uintptr_t wParam, std::intptr_t lParam,
                      unsigned long limitMs) = 0;
    // Sends without waiting: a silent window acts on it once it takes its
    // messages again, after those sent to it before.
    virtual void sendWithoutWaiting(win::Handle window, unsigned message, std::uintptr_t wParam,
                                    std::intptr_t lParam) = 0;
    // WM_COPY to the control, as send. Right after the control has answered,
    // on the worker: if the clipboard's number is no longer `before`, the
    // copy counts only when the clipboard's owner is a window of the
    // control's own process (NotHostsCopy otherwise, Gone when the control
    // has gone); then the clipboard is opened (tried again while another
    // program holds it, ClipboardHeld past the bound) and the copy is taken
    // in the form a paste would take, which makes the host hand over a copy
    // that it had only promised; the number read with it is the answer's
    // value, which stands for the host's copy. A value still `before` means
    // nothing was copied. Should the host not hand its copy over within the
    // limit, the clipboard is closed again at the limit all the same.
    virtual void copy(win::Handle control, std::uint32_t before, unsigned long limitMs) = 0;
    // On a worker of its own, with no answer: opens the clipboard (tried
    // again while another program holds it) and empties it only while its
    // number is still `ifStill`, so that what another program put there
    // since is never wiped. Emptying tells the clipboard's owner, the host,
    // which may be slow to answer: the clipboard is let go by limitMs
    // whatever happens.
    virtual void emptyClipboard(std::uint32_t ifStill, unsigned long limitMs) = 0;
    // GetWindowTextLengthA, then GetWindowTextA with a buffer of length + 1.
    virtual std::string windowTitle(win::Handle window) = 0;
};
