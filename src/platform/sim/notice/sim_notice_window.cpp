#include "platform/sim/notice/sim_notice_window.hpp"

namespace sim {

bool SimNoticeWindow::showModal() {
    if (visible) return false;
    if (onShow) onShow();
    visible = true;
    ++shows;
    ModalAnswer answer = script.next();
    if (takePosted) takePosted();
    for (auto& event : answer.during) {
        if (programEnded && programEnded()) break;
        event();
    }
    if (programEnded && programEnded()) {
        visible = false;
        return true;
    }
    if (visible && onOk) onOk();
    return true;
}

}  // namespace sim
