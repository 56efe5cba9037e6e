#pragma once
// A label that is a link: its caption in blue and underlined, the hand
// cursor over it, and a click (button pressed and released on it) reported
// through onClick. Not a tab stop, like any label.
#include <windows.h>

#include <functional>

#include "platform/win32/window/window_base.hpp"

class LinkLabel : private WindowBase {
public:
    // `font` is the underlined window font; the label is sized to its caption
    // from (x, y), as an auto-sized label.
    LinkLabel(HWND parent, int id, const char* caption, int x, int y, HFONT font);
    ~LinkLabel() override;

    HWND window() const { return hwnd(); }
    std::function<void()> onClick;

private:
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT onPaint();
    LRESULT onSetCursor(WPARAM wParam, LPARAM lParam);
    LRESULT onButtonDown();
    LRESULT onButtonUp(LPARAM lParam);

    HFONT font_;
    bool pressed_ = false;
};

// The link colour: pure blue, as the toolkit's clBlue.
constexpr COLORREF kLinkColor = RGB(0, 0, 255);
