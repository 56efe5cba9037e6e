#pragma once
// A container of the properties window: a page, a group box, a borderless or
// bevelled panel. It paints in the button-face colour, lets the dialog keys
// (Tab, arrows) reach the controls inside it, and hands its children's
// notifications to the control binding.
#include <windows.h>

#include "platform/win32/window/window_base.hpp"

class ControlBinding;

class PropertiesPanel : private WindowBase {
public:
    enum class Look {
        Plain,     // borderless
        GroupBox,  // etched frame with the caption at the top left
        Bevel,     // raised inner and lowered outer bevel
    };

    // Bounds in pixels of the parent's client area.
    PropertiesPanel(HWND parent, int id, const RECT& bounds, Look look, const char* caption, HFONT font,
                    ControlBinding& binding);
    ~PropertiesPanel() override;

    HWND window() const { return hwnd(); }

    // Once the controls are in: the group box's frame goes behind them and
    // is clipped by them, so it never paints over them.
    void frameBehindControls();

    // Posted to a panel: gives the focus to the control in wParam once the
    // window it belongs to is on screen.
    static constexpr UINT kFocusWhenShown = WM_APP + 40;

private:
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT onCommand(WPARAM wParam, LPARAM lParam);
    LRESULT onScroll(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT onNotify(WPARAM wParam, LPARAM lParam);
    static LRESULT onColor(WPARAM wParam);
    LRESULT onPaint();
    static LRESULT onFocusWhenShown(WPARAM wParam);

    Look look_;
    ControlBinding& binding_;
    HWND frame_ = nullptr;
};
