#include "platform/sim/properties/sim_form_window.hpp"

namespace sim {

void SimFormWindow::show() {
    journal_.add("window: show");
    if (!visible_) {
        if (onShow) onShow();
        visible_ = true;
    }
    ++broughtToFront;
}

void SimFormWindow::close() {
    journal_.add("window: close");
    if (closed) return;
    if (onClose) onClose();
    closed = true;
    visible_ = false;
}

}  // namespace sim
