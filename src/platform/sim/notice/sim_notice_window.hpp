#pragma once
// sim/notice/: the simulated notice. Uses sim/window/ and the notice port.
//
// The saved-log notice on the simulated desktop: a modal that runs the events
// of its scripted answer while open and is then closed by its OK button.
#include <functional>

#include "ports/notice_window_port.hpp"
#include "platform/sim/window/sim_modal.hpp"

namespace sim {

class SimNoticeWindow : public NoticeWindowPort {
public:
    bool showModal() override;
    void close() override { visible = false; }
    int left() override { return left_; }
    int top() override { return top_; }
    void setPosition(int l, int t) override { left_ = l, top_ = t; }
    int outerWidth() override { return 258; }   // client 252 + frame
    int outerHeight() override { return 144; }  // client 119 + caption and frame
    int clientWidth() override { return 252; }

    // The user drags the notice somewhere else.
    void moveTo(int l, int t) { setPosition(l, t); }

    ModalScript script;
    std::function<void()> onShow;  // DialogForm::FormShow
    std::function<void()> onOk;    // DialogForm::OKClick, through the error display
    std::function<bool()> programEnded;
    // Takes what the program posted, as the loop of a real one does.
    std::function<void()> takePosted;
    bool visible = false;
    int shows = 0;

private:
    int left_ = 290, top_ = 227;
};

}  // namespace sim
