#include "form/save_gate.hpp"

#include <algorithm>
#include <utility>

#include "ports/message_queue_port.hpp"

void SaveGate::runOrDefer(const Handler& handler) {
    if (busy_) waiting_.push_back({handler, Waiting::Until::StepEnds});
    else handler();
}

void SaveGate::requestSave(const Handler& save, const Handler& then) {
    // What comes after the save it asked for: at once when that save ended
    // at once (its box answered), else with its end.
    const auto startAndFollow = [this, save](const Handler& after) {
        save();
        if (after && saving()) afterShown_ = after;
        else if (after) after();
    };
    if (!saving() && !busy_) return startAndFollow(then);
    // Before the host has answered the copy, the running save takes the log
    // as it is now.
    if (saving() && stage_ != Stage::Copied) {
        if (then) afterShown_ = then;
        return;
    }
    if (then) afterNextShown_ = then;
    if (saveWaiting_) return;
    saveWaiting_ = true;
    waiting_.push_back({[this, startAndFollow] {
                            saveWaiting_ = false;
                            startAndFollow(std::exchange(afterNextShown_, nullptr));
                        },
                        Waiting::Until::SaveEnds});
}

void SaveGate::closeAfterSave(Handler close) {
    if (saving()) close_ = std::move(close);
    else close();
}

void SaveGate::closeIfDue() {
    if (close_) std::exchange(close_, nullptr)();
}

void SaveGate::afterMenus(const Handler& report) {
    if (menusOpen_ > 0) waiting_.push_back({report, Waiting::Until::MenusClose});
    else report();
}

bool SaveGate::mayRun(const Waiting& w) const {
    switch (w.until) {
        case Waiting::Until::StepEnds: return true;
        case Waiting::Until::SaveEnds: return !saving();
        case Waiting::Until::MenusClose: return menusOpen_ == 0;
    }
    return false;
}

void SaveGate::postIfAnyMayRun() {
    // One message at a time: each run posts the next.
    if (posted_) return;
    posted_ = (close_ && !saving()) ||
              std::any_of(waiting_.begin(), waiting_.end(), [this](const Waiting& w) { return mayRun(w); });
    if (posted_) queue_.postRunDeferred();
}

void SaveGate::runDeferred() {
    posted_ = false;
    // A step that began since the message was posted posts it again at its end.
    if (busy_) return;
    if (close_ && !saving()) {
        closeIfDue();
        return;
    }
    const auto next = std::find_if(waiting_.begin(), waiting_.end(), [this](const Waiting& w) { return mayRun(w); });
    if (next == waiting_.end()) return;
    const Handler handler = std::move(next->handler);
    waiting_.erase(next);
    // Posted before the handler runs, so that a loop it opens (a menu, a
    // box, the notice) hands on the rest.
    postIfAnyMayRun();
    handler();
}

SaveGate::Handler SaveGate::end() {
    stage_ = Stage::Idle;
    postIfAnyMayRun();
    return std::exchange(afterShown_, nullptr);
}

SaveGate::Step::Step(SaveGate& gate) : gate_(gate) { gate_.busy_ = true; }

SaveGate::Step::~Step() {
    gate_.busy_ = false;
    gate_.postIfAnyMayRun();
}

SaveGate::MenuOpen::~MenuOpen() {
    if (--gate_.menusOpen_ == 0) gate_.postIfAnyMayRun();
}
