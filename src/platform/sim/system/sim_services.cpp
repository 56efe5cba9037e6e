#include "platform/sim/system/sim_services.hpp"

#include <limits>

namespace sim {

int SimMessageBoxes::show(const std::string& text, const std::string& caption, unsigned flags) {
    shown.push_back({text, caption, flags});
    ModalAnswer answer = script.next();
    ++open;
    if (takePosted) takePosted();
    for (auto& event : answer.during) {
        if (programEnded && programEnded()) break;
        event();
    }
    --open;
    return answer.button;
}

void SimTimers::start(TimerId id, unsigned intervalMs) {
    running_[id] = {intervalMs, now + intervalMs};
    ++starts;
}

unsigned long long SimTimers::remaining(TimerId id) const { return running_.at(id).due - now; }

void SimTimers::advance(unsigned long long ms) {
    const unsigned long long end = now + ms;
    for (;;) {
        if (!events_.empty() && events_.begin()->first <= end) {
            const auto first = events_.begin();
            bool tickFirst = false;
            for (const auto& [id, r] : running_) tickFirst = tickFirst || r.due < first->first;
            if (!tickFirst) {
                if (first->first > now) now = first->first;
                const std::function<void()> event = std::move(first->second);
                events_.erase(first);
                event();  // may re-enter advance() from a modal box
                if (now > end) return;
                continue;
            }
        }
        TimerId next{};
        unsigned long long due = std::numeric_limits<unsigned long long>::max();
        for (const auto& [id, r] : running_)
            if (r.due < due) due = r.due, next = id;
        if (due > end) break;
        now = due;
        running_[next].due = due + running_[next].interval;
        if (onTick) onTick(next);  // may re-enter advance() from a modal box
        if (now > end) return;
    }
    now = end;
}

}  // namespace sim
