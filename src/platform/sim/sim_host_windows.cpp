#include "platform/sim/sim_host_windows.hpp"

#include <algorithm>
#include <cstring>

#include "capture/log_window_search.hpp"
#include "platform/sim/sim_clipboard.hpp"
#include "platform/sim/sim_services.hpp"
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

unsigned long long SimHostWindows::now() const { return clock ? clock->now : 0; }

HostAnswer SimHostWindows::wait(unsigned long ms, HostAnswer::Status status, std::intptr_t value) {
    if (clock) clock->advance(ms);
    if (programEnded && programEnded()) status = HostAnswer::Status::ProgramEnding;
    return {status, value, ms};
}

HostAnswer SimHostWindows::sendMessage(win::Handle window, unsigned message, std::uintptr_t wParam,
                                       std::intptr_t lParam, unsigned long limitMs) {
    const Sent record{window, message, wParam, lParam};
    sent.push_back(record);
    auto it = windows_.find(window);
    if (it == windows_.end()) return {HostAnswer::Status::Gone, 0};
    SimWindow& w = it->second;
    const unsigned long long at = now();
    const unsigned long long delay = (w.silentUntil > at ? w.silentUntil - at : 0) + w.answerDelayMs +
                                     (message == win::kWmCopy ? w.copyDelayMs : 0);
    const bool inTime = w.answering && delay <= limitMs;
    // A window that is late still acts on the message once it gets to it.
    const std::intptr_t value = w.answering ? act(w, message, wParam, lParam) : 0;
    if (w.answering && message == win::kWmCopy && w.silentAfterCopyMs > 0)
        w.silentUntil = at + delay + w.silentAfterCopyMs;
    if (whileAnswering) whileAnswering(record);
    if (!inTime) return wait(limitMs, HostAnswer::Status::NotAnswering);
    return wait(static_cast<unsigned long>(delay), HostAnswer::Status::Answered, value);
}

void SimHostWindows::sendWithoutWaiting(win::Handle window, unsigned message, std::uintptr_t wParam,
                                        std::intptr_t lParam) {
    sent.push_back({window, message, wParam, lParam});
    auto it = windows_.find(window);
    if (it != windows_.end() && it->second.answering) act(it->second, message, wParam, lParam);
}

HostAnswer SimHostWindows::copyToClipboard(win::Handle control, std::uint32_t before, unsigned long limitMs) {
    const HostAnswer copy = sendMessage(control, win::kWmCopy, 0, 0, limitMs);
    if (copy.status == HostAnswer::Status::Gone) return {copy.status, static_cast<std::intptr_t>(before), 0};
    if (!copy.answered()) return copy;
    // The paste's data is fetched from the window that copied, which may
    // have gone silent right after answering.
    unsigned long waited = copy.waitedMs;
    auto it = windows_.find(copiedFrom_);
    if (clipboard_.sequenceNumber() != before && it != windows_.end()) {
        const unsigned long long at = now();
        const unsigned long long silence = it->second.silentUntil > at ? it->second.silentUntil - at : 0;
        if (!it->second.answering || waited + silence > limitMs) {
            HostAnswer late = wait(limitMs - waited, HostAnswer::Status::NotAnswering);
            late.waitedMs = limitMs;
            return late;
        }
        const HostAnswer fetched = wait(static_cast<unsigned long>(silence), HostAnswer::Status::Answered);
        if (!fetched.answered()) return fetched;
        waited += fetched.waitedMs;
    }
    const auto sequence = static_cast<std::intptr_t>(clipboard_.sequenceNumber());
    answerArrived_ = true;
    if (onceAnswered) onceAnswered({control, win::kWmCopy, 0, 0});
    answerArrived_ = false;
    HostAnswer answer = wait(0, HostAnswer::Status::Answered, sequence);  // the program may have ended meanwhile
    answer.waitedMs = waited;
    return answer;
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
            if (all && !w.text.empty() && !clipboard_.heldByOtherProgram) {
                clipboard_.set(w.text, w.rtf);
                copiedFrom_ = w.handle;
            }
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
