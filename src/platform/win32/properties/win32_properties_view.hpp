#pragma once
// The properties window as its handlers move it, on the real window: the
// page shown, the focus, hiding.
#include <windows.h>

#include "ports/properties_view_port.hpp"

class Win32PropertiesView : public PropertiesViewPort {
public:
    explicit Win32PropertiesView(HWND propertiesWindow) : window_(propertiesWindow) {}

    void activateFirstPage() override;
    // Runs while the window is still hidden (FormShow comes before it
    // appears): the focus is handed over once it is on screen, after the
    // activation that would otherwise take it back to the window itself.
    void focusPrefixBox() override;
    void hide() override { ShowWindow(window_, SW_HIDE); }

private:
    HWND window_;
};
