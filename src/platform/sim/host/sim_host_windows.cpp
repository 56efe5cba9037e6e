#include "platform/sim/host/sim_host_windows.hpp"

#include <algorithm>
#include <cstring>

#include "capture/log_window_search.hpp"
#include "platform/sim/host/sim_clipboard.hpp"
#include "platform/sim/system/sim_services.hpp"
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
    w.process = parent == 0 ? w.handle : windows_.at(parent).process;
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

void SimHostWindows::deliver(const HostAnswer& answer) {
    if (onAnswer && !(programEnded && programEnded())) onAnswer(answer);
}

namespace {
HostAnswer notAnswering(unsigned long limitMs) { return {HostAnswer::Status::NotAnswering, 0, limitMs}; }
}  // namespace

void SimHostWindows::exchange(const Sent& record, unsigned long limitMs, const Then& then) {
    sent.push_back(record);
    const auto answerIn = [this, record, then](unsigned long long ms, const HostAnswer& answer) {
        clock->at(now() + ms, [this, record, then, answer] {
            if (programEnded && programEnded()) return;
            if (whileAnswering) whileAnswering(record);
            then(answer);
        });
    };
    auto it = windows_.find(record.window);
    if (it == windows_.end()) return answerIn(0, {HostAnswer::Status::Gone, 0});
    SimWindow& w = it->second;
    const unsigned long long at = now();
    const unsigned long long delay = (w.silentUntil > at ? w.silentUntil - at : 0) + w.answerDelayMs +
                                     (record.message == win::kWmCopy ? w.copyDelayMs : 0);
    const bool inTime = w.answering && delay <= limitMs;
    // A window that is late still acts on the message once it gets to it.
    const std::intptr_t value = w.answering ? act(w, record.message, record.wParam, record.lParam) : 0;
    if (w.answering && record.message == win::kWmCopy && w.silentAfterCopyMs > 0)
        w.silentUntil = at + delay + w.silentAfterCopyMs;
    if (!inTime) return answerIn(limitMs, notAnswering(limitMs));
    answerIn(delay, {HostAnswer::Status::Answered, value, static_cast<unsigned long>(delay)});
}

void SimHostWindows::send(win::Handle window, unsigned message, std::uintptr_t wParam, std::intptr_t lParam,
                          unsigned long limitMs) {
    exchange({window, message, wParam, lParam}, limitMs, [this](const HostAnswer& a) { deliver(a); });
}

void SimHostWindows::sendWithoutWaiting(win::Handle window, unsigned message, std::uintptr_t wParam,
                                        std::intptr_t lParam) {
    sent.push_back({window, message, wParam, lParam});
    auto it = windows_.find(window);
    if (it != windows_.end() && it->second.answering) act(it->second, message, wParam, lParam);
}

void SimHostWindows::whenFree(unsigned long long sentAt, unsigned long limitMs, unsigned long long firstTry,
                              const std::function<void()>& then, const std::function<void()>& held) {
    ++clipboardTries;
    if (!clipboard_.heldAt(now())) return then();
    const unsigned long pause = clipboardRetryPauseMs(static_cast<unsigned long>(now() - firstTry));
    if (pause == 0) return held();
    if (now() + pause - sentAt > limitMs) {
        clock->at(sentAt + limitMs, [this, limitMs] { deliver(notAnswering(limitMs)); });
        return;
    }
    clock->at(now() + pause, [this, sentAt, limitMs, firstTry, then, held] {
        if (!(programEnded && programEnded())) whenFree(sentAt, limitMs, firstTry, then, held);
    });
}

void SimHostWindows::copy(win::Handle control, std::uint32_t before, unsigned long limitMs) {
    const unsigned long long sentAt = now();
    // The host is asked once the clipboard is free (a copy into a held
    // clipboard does nothing), or once the bound has passed.
    const auto askHost = [this, control, before, limitMs, sentAt] { copyNow(control, before, limitMs, sentAt); };
    whenFree(sentAt, limitMs, sentAt, askHost, askHost);
}

void SimHostWindows::copyNow(win::Handle control, std::uint32_t before, unsigned long limitMs,
                             unsigned long long sentAt) {
    // Right after the control has answered, what the worker makes of the
    // clipboard.
    exchange({control, win::kWmCopy, 0, 0}, limitMs - waitedSince(sentAt),
             [this, control, before, limitMs, sentAt](const HostAnswer& copied) {
        const unsigned long waited = waitedSince(sentAt);
        auto it = windows_.find(control);
        if (!copied.answered()) return deliver({copied.status, 0, waited});
        if (it == windows_.end()) return deliver({HostAnswer::Status::Gone, 0, waited});
        if (clipboard_.sequenceNumber() == before)
            return deliver({HostAnswer::Status::Answered, static_cast<std::intptr_t>(before), waited});
        const win::Handle process = it->second.process;
        if (clipboard_.owner() != process) return deliver({HostAnswer::Status::NotHostsCopy, 0, waited});
        const auto held = [this, sentAt] { deliver({HostAnswer::Status::ClipboardHeld, 0, waitedSince(sentAt)}); };
        whenFree(sentAt, limitMs, now(), [this, process, limitMs, sentAt] { takeCopy(process, limitMs, sentAt); }, held);
    });
}

void SimHostWindows::takeCopy(win::Handle process, unsigned long limitMs, unsigned long long sentAt) {
    if (clipboard_.owner() != process) return deliver({HostAnswer::Status::NotHostsCopy, 0, waitedSince(sentAt)});
    // The copy is taken from the window that copied, which hands it over when
    // asked: it may have gone silent right after answering, or be slow to
    // hand it over.
    auto from = windows_.find(copiedFrom_);
    std::shared_ptr<ClipboardCopy> taken;
    unsigned long long handOver = 0;
    if (from != windows_.end() && !from->second.handsOverNothing) {
        const SimWindow& w = from->second;
        if (!w.answering || w.handOverHangs) handOver = limitMs + 1ULL;
        else handOver = (w.silentUntil > now() ? w.silentUntil - now() : 0) + w.handOverMs;
        taken = std::make_shared<ClipboardCopy>();
        if (clipboard_.rtf().empty()) taken->bytes = clipboard_.text();
        else taken->form = ClipboardCopy::Form::RichText, taken->bytes = clipboard_.rtf();
    }
    if (now() + handOver - sentAt > limitMs) {
        clock->at(sentAt + limitMs, [this, limitMs] { deliver(notAnswering(limitMs)); });
        return;
    }
    const std::uint32_t number = clipboard_.sequenceNumber();
    clock->at(now() + handOver, [this, sentAt, number, taken] {
        deliver({HostAnswer::Status::Answered, static_cast<std::intptr_t>(number), waitedSince(sentAt), taken});
    });
}

void SimHostWindows::emptyClipboard(std::uint32_t ifStill, unsigned long limitMs) {
    const unsigned long long sentAt = now();
    // The owner, a host window that has stopped answering, is not told.
    auto owner = windows_.find(copiedFrom_);
    if (clipboard_.holdsData() && owner != windows_.end() && !owner->second.answering) return;
    whenFree(sentAt, limitMs, sentAt, [this, ifStill] { clipboard_.emptyIfStill(ifStill); }, [] {});
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
            if (all && !w.text.empty() && !clipboard_.heldAt(now())) {
                clipboard_.set(w.text, w.rtf, w.process);
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
