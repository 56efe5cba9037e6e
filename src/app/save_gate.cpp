#include "app/save_gate.hpp"

#include <utility>

#include "platform/host_windows_port.hpp"
#include "platform/message_queue_port.hpp"

void SaveGate::runOrDefer(const Handler& handler) {
    if (saving()) deferred_.push_back(handler);
    else handler();
}

bool SaveGate::hostAnsweredCopy() const {
    // While the copy's wait is held by a menu opened in it, the host may have
    // answered already: what is asked for now is no longer in that copy.
    return stage_ == Stage::Copied || (stage_ == Stage::Copying && hosts_.answerArrived());
}

void SaveGate::requestSave(const Handler& save) {
    if (!saving()) {
        save();
        return;
    }
    if (!hostAnsweredCopy() || saveDeferred_) return;
    saveDeferred_ = true;
    deferred_.emplace_back([this, save] {
        saveDeferred_ = false;
        save();
    });
}

void SaveGate::closeAfterSave(Handler close) {
    if (saving()) close_ = std::move(close);
    else close();
}

void SaveGate::closeIfDue() {
    if (close_) std::exchange(close_, nullptr)();
}

void SaveGate::runDeferred() {
    // A save that began since the message was posted posts it again at its end.
    if (saving()) return;
    if (close_) {
        closeIfDue();
        return;
    }
    if (deferred_.empty()) return;
    Handler next = std::move(deferred_.front());
    deferred_.pop_front();
    // Posted before the request runs, so that a loop it opens (a menu, the
    // notice) hands on the rest.
    if (!deferred_.empty()) queue_.postRunDeferred();
    next();
}

SaveGate::Span::Span(SaveGate& gate) : gate_(gate) { gate_.stage_ = Stage::BeforeCopy; }

SaveGate::Span::~Span() {
    gate_.stage_ = Stage::Idle;
    gate_.waiting_ = false;
    if (gate_.close_ || !gate_.deferred_.empty()) gate_.queue_.postRunDeferred();
}
