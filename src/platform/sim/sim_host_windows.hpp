#pragma once
// Windows of other programs on the simulated desktop, with the text controls
// that the save command copies from.
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/host_windows_port.hpp"

namespace sim {

class SimClipboard;

struct SimWindow {
    win::Handle handle = 0;
    win::Handle parent = 0;  // 0 for a top-level window
    std::string className;
    std::string title;
    std::string text;  // the control's plain text (CP932)
    std::string rtf;   // Rich Text offered on copy, when not empty
    long selStart = 0, selEnd = 0;
    bool answering = true;  // false: a hung host, messages go unanswered
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
    HostAnswer sendMessage(win::Handle window, unsigned message, std::uintptr_t wParam,
                           std::intptr_t lParam) override;
    std::string windowTitle(win::Handle window) override;

    // Messages sent to controls, in order, for assertions.
    struct Sent {
        win::Handle window;
        unsigned message;
        std::uintptr_t wParam;
        std::intptr_t lParam;
    };
    std::vector<Sent> sent;
    // Runs while a message is being answered, after the window has acted on
    // it: what reaches the waiting thread meanwhile (the tray's sent
    // messages, a tick dispatched by a paste's inner loop).
    std::function<void(const Sent&)> whileAnswering;

private:
    std::intptr_t act(SimWindow& w, unsigned message, std::uintptr_t wParam, std::intptr_t lParam);
    win::Handle find(win::Handle parent, const char* className, const char* title);

    SimClipboard& clipboard_;
    std::map<win::Handle, SimWindow> windows_;  // ordered by creation
    win::Handle nextHandle_ = 0x100;
};

}  // namespace sim
