#pragma once
// Scripted answers for the simulated desktop's modal loops (message boxes, the
// notice). While a modal is "open", the events of its answer run first, the
// way a real modal loop keeps dispatching timer ticks and tray messages; then
// the button is pressed.
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "ports/win_constants.hpp"

namespace sim {

struct ModalAnswer {
    int button = win::kIdOk;
    std::vector<std::function<void()>> during;  // run while the modal is open
};

class ModalScript {
public:
    void push(ModalAnswer answer) { answers_.push_back(std::move(answer)); }
    void pushButton(int button) { answers_.push_back({button, {}}); }
    // The next answer, or a plain OK when the script has run out.
    ModalAnswer next() {
        if (answers_.empty()) return {};
        ModalAnswer a = std::move(answers_.front());
        answers_.pop_front();
        return a;
    }
    bool empty() const { return answers_.empty(); }

private:
    std::deque<ModalAnswer> answers_;
};

}  // namespace sim
