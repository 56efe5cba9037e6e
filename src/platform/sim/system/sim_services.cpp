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

unsigned long long SimTimers::nextTick(TimerId& id) const {
    unsigned long long due = std::numeric_limits<unsigned long long>::max();
    for (const auto& [timer, r] : running_)
        if (r.due < due) due = r.due, id = timer;
    return due;
}

void SimTimers::advance(unsigned long long ms) {
    const unsigned long long end = now + ms;
    for (;;) {
        TimerId tick{};
        const unsigned long long tickDue = nextTick(tick);
        const bool event = !events_.empty() && events_.begin()->first <= tickDue;
        const unsigned long long due = event ? events_.begin()->first : tickDue;
        if (due > end) break;
        if (due > now) now = due;
        if (event) {
            const std::function<void()> arrived = std::move(events_.begin()->second);
            events_.erase(events_.begin());
            arrived();
        } else {
            running_[tick].due = due + running_[tick].interval;
            if (onTick) onTick(tick);
        }
        // Either may re-enter advance() from a modal box.
        if (now > end) return;
    }
    now = end;
}

}  // namespace sim
