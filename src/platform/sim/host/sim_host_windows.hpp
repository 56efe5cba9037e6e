#pragma once
// sim/host/: simulated hosts, clipboard, holder. Uses sim/system/ (clock), the ports, capture/, text/.
//
// Windows of other programs on the simulated desktop, with the text controls
// that the save command copies from.
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "ports/host_windows_port.hpp"

namespace sim {

class SimClipboard;
class SimTimers;

struct SimWindow {
    win::Handle handle = 0;
    win::Handle parent = 0;  // 0 for a top-level window
    win::Handle process = 0;  // its program: the top-level window it belongs to
    std::string className;
    std::string title;
    std::string text;  // the control's plain text (CP932)
    std::string rtf;   // Rich Text offered on copy, when not empty
    long selStart = 0, selEnd = 0;
    bool answering = true;  // false: a hung host, messages go unanswered
    // Time on the simulated clock that answers take: each message's, WM_COPY's
    // on top, and a silence that begins once WM_COPY is answered.
    unsigned long answerDelayMs = 0, copyDelayMs = 0, silentAfterCopyMs = 0;
    // A copy placed as a promise: handing it over when asked takes this
    // long, or never comes.
    unsigned long handOverMs = 0;
    bool handOverHangs = false;
    bool handsOverNothing = false;  // a promise it does not keep
    unsigned long long silentUntil = 0;  // takes no messages before then
};

class SimHostWindows : public HostWindowsPort {
public:
    explicit SimHostWindows(SimClipboard& clipboard) : clipboard_(clipboard) {}

    win::Handle add(win::Handle parent, const std::string& className, const std::string& title,
                    const std::string& text = "", const std::string& rtf = "");
    void destroy(win::Handle window);
    SimWindow& window(win::Handle handle) { return windows_.at(handle); }

    // Stand-ins for the host programs.
    win::Handle addCompanion(int percent, const std::string& text, const std::string& rtf = "");
    win::Handle addChatClient(const std::string& text, const std::string& title = "Orvex3");

    win::Handle findWindow(const char* className, const char* title) override;
    win::Handle findChild(win::Handle parent, const char* className, const char* title) override;
    void send(win::Handle window, unsigned message, std::uintptr_t wParam, std::intptr_t lParam,
              unsigned long limitMs) override;
    void sendWithoutWaiting(win::Handle window, unsigned message, std::uintptr_t wParam,
                            std::intptr_t lParam) override;
    void copy(win::Handle control, std::uint32_t before, unsigned long limitMs) override;
    void emptyClipboard(std::uint32_t ifStill, unsigned long limitMs) override;
    std::string windowTitle(win::Handle window) override;

    // Messages sent to controls, in order, for assertions.
    struct Sent {
        win::Handle window;
        unsigned message;
        std::uintptr_t wParam;
        std::intptr_t lParam;
    };
    std::vector<Sent> sent;
    // Runs while a message is being answered, after an answering window has
    // acted on it and before its answer reaches the program: what happens
    // meanwhile (the tray's messages, another program's copy).
    std::function<void(const Sent&)> whileAnswering;
    // Openings of the clipboard by the worker, whether they got it or not.
    int clipboardTries = 0;
    // Answers arrive on this clock, as messages to the program (onAnswer),
    // taken by whichever loop lets the clock run; none once it has ended.
    SimTimers* clock = nullptr;
    std::function<void(const HostAnswer&)> onAnswer;
    std::function<bool()> programEnded;

private:
    std::intptr_t act(SimWindow& w, unsigned message, std::uintptr_t wParam, std::intptr_t lParam);
    unsigned long long now() const;
    // Sends `record`; its answer is handed to `then` once due, after
    // whileAnswering.
    using Then = std::function<void(const HostAnswer&)>;
    void exchange(const Sent& record, unsigned long limitMs, const Then& then);
    void deliver(const HostAnswer& answer);
    // WM_COPY once the clipboard is free, within the copy's limit from sentAt.
    void copyNow(win::Handle control, std::uint32_t before, unsigned long limitMs, unsigned long long sentAt);
    // The worker, with the clipboard open: the host's copy as the window
    // that copied hands it over.
    void takeCopy(win::Handle process, unsigned long limitMs, unsigned long long sentAt);
    // The worker's tries at the clipboard from `firstTry` on, spaced while
    // another program holds it: `then` once it is free, `held` past the
    // bound, NotAnswering past the exchange's limit.
    void whenFree(unsigned long long sentAt, unsigned long limitMs, unsigned long long firstTry,
                  const std::function<void()>& then, const std::function<void()>& held);
    unsigned long waitedSince(unsigned long long sentAt) const { return static_cast<unsigned long>(now() - sentAt); }
    win::Handle find(win::Handle parent, const char* className, const char* title);

    SimClipboard& clipboard_;
    std::map<win::Handle, SimWindow> windows_;  // ordered by creation
    win::Handle nextHandle_ = 0x100;
    win::Handle copiedFrom_ = 0;  // the window whose copy the clipboard holds
};

}  // namespace sim
