#include "platform/sim/sim_host_windows.hpp"

#include <algorithm>
#include <cstring>

#include "capture/log_window_search.hpp"
#include "platform/sim/sim_clipboard.hpp"
#include "text/sjis.hpp"

namespace sim {
namespace {
// Window classes compare without regard to ASCII case, as the system does.
bool sameClass(const std::string& a, const char* b) { return sjis::lowerAscii(a) == sjis::lowerAscii(b); }
}  // namespace

win::Handle SimHostWindows::add(win::Handle parent, const std::string& className, const std::string& title,
                                const std::string& text, const std::string& rtf) {
    SimWindow w;
    w.handle = nextHandle_++;
    w.parent = parent;
    w.className = className;
    w.title = title;
    w.text = text;
    w.rtf = rtf;
    windows_[w.handle] = w;
    return w.handle;
}

void SimHostWindows::destroy(win::Handle window) {
    std::vector<win::Handle> children;
    for (const auto& [h, w] : windows_)
        if (w.parent == window) children.push_back(h);
    for (win::Handle c : children) destroy(c);
    windows_.erase(window);
}

win::Handle SimHostWindows::addCompanion(int percent, const std::string& text, const std::string& rtf) {
    const win::Handle top = add(0, "TLogDisplay", companionTitle(percent));
    add(top, "RICHEDIT", "", text, rtf);
    return top;
}

win::Handle SimHostWindows::addChatClient(const std::string& text, const std::string& title) {
    const win::Handle top = add(0, "PLTpmWin8388608", title);
    const win::Handle chat = add(top, "TChatPanel", "Chat Window");
    add(chat, "Edit", "", text);
    return top;
}

win::Handle SimHostWindows::find(win::Handle parent, const char* className, const char* title) {
    for (const auto& [h, w] : windows_) {
        if (w.parent != parent) continue;
        if (className && !sameClass(w.className, className)) continue;
        if (title && w.title != title) continue;
        return h;
    }
    return 0;
}

win::Handle SimHostWindows::findWindow(const char* className, const char* title) {
    return find(0, className, title);
}

win::Handle SimHostWindows::findChild(win::Handle parent, const char* className, const char* title) {
    if (parent == 0) return 0;
    return find(parent, className, title);
}

HostAnswer SimHostWindows::sendMessage(win::Handle window, unsigned message, std::uintptr_t wParam,
                                       std::intptr_t lParam) {
    const Sent record{window, message, wParam, lParam};
    sent.push_back(record);
    auto it = windows_.find(window);
    if (it == windows_.end()) return {HostAnswer::Status::Gone, 0};
    if (!it->second.answering) return {HostAnswer::Status::NotAnswering, 0};
    const std::intptr_t value = act(it->second, message, wParam, lParam);
    if (whileAnswering) whileAnswering(record);
    return {HostAnswer::Status::Answered, value};
}

std::intptr_t SimHostWindows::act(SimWindow& w, unsigned message, std::uintptr_t wParam, std::intptr_t lParam) {
    switch (message) {
        case win::kWmGetTextLength:
            return static_cast<std::intptr_t>(w.text.size());
        case win::kEmSetSel:
            w.selStart = static_cast<long>(wParam);
            w.selEnd = static_cast<long>(lParam);
            return 0;
        case win::kWmCopy: {
            const bool all = w.selStart == 0 && w.selEnd == -1;
            // A control copies nothing while another program holds the clipboard open.
            if (all && !w.text.empty() && !clipboard_.heldByOtherProgram) clipboard_.set(w.text, w.rtf);
            return 0;
        }
        default:
            return 0;
    }
}

std::string SimHostWindows::windowTitle(win::Handle window) {
    auto it = windows_.find(window);
    return it == windows_.end() ? std::string() : it->second.title;
}

}  // namespace sim
