#pragma once
// The program's message queue on the simulated desktop: what the program
// posts is delivered by the next loop that takes messages, a modal box's, a
// menu's, the notice's or the message loop's, or by a test that stands for
// the message loop (pump).
#include <functional>

#include "ports/message_queue_port.hpp"

namespace sim {

class SimMessageQueue : public MessageQueuePort {
public:
    void postRunDeferred() override { ++posted; }
    // Delivers what was posted, in order, and what has arrived by now (a
    // host's answer), until nothing is left.
    void pump() {
        do {
            while (posted > 0 && !(programEnded && programEnded())) {
                --posted;
                if (onRunDeferred) onRunDeferred();
            }
            if (takeArrived) takeArrived();
        } while (posted > 0 && !(programEnded && programEnded()));
    }

    int posted = 0;
    std::function<void()> takeArrived;
    std::function<void()> onRunDeferred;  // MainForm's RunDeferred
    std::function<bool()> programEnded;
};

}  // namespace sim
