#pragma once
// The properties window on the simulated desktop: which page is shown, where
// the focus is and whether it is on screen.
#include <string>

#include "ports/properties_view_port.hpp"

namespace sim {

class SimPropertiesView : public PropertiesViewPort {
public:
    void activateFirstPage() override { page = 1; }
    void focusPrefixBox() override { focus = "TopFileName_Edit"; }
    void hide() override {
        visible = false;
        ++hides;
    }

    bool visible = false;
    int page = 1;       // 1 to 4
    std::string focus;  // name of the focused control
    int hides = 0;
};

}  // namespace sim
