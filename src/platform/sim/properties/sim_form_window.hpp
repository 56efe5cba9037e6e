#pragma once
// sim/properties/: the simulated properties window and view. Uses sim/window/, the ports.
//
// The properties window's own window on the simulated desktop. Its visibility
// is shared with the simulated properties view, which hides it.
#include <functional>

#include "ports/form_window_port.hpp"
#include "platform/sim/window/sim_journal.hpp"

namespace sim {

class SimFormWindow : public FormWindowPort {
public:
    SimFormWindow(Journal& journal, bool& visibleFlag) : journal_(journal), visible_(visibleFlag) {}

    bool visible() override { return visible_; }
    void show() override;
    void close() override;
    int top() override { return top_; }
    int left() override { return left_; }
    void setTop(int t) override { top_ = t; }
    void setLeft(int l) override { left_ = l; }
    // Client 406 x 259 with a single border and a caption.
    int outerWidth() override { return 413; }
    int outerHeight() override { return 279; }

    std::function<void()> onShow;   // MainForm's FormShow
    std::function<void()> onClose;  // MainForm's FormClose
    bool closed = false;            // the message loop has been told to end
    int broughtToFront = 0;

private:
    Journal& journal_;
    bool& visible_;
    int top_ = 0, left_ = 0;
};

}  // namespace sim
