#pragma once
// A fixed-size label that keeps its text on one line, centred, and cut at
// both edges when the text is wider than the label (the notice's window
// title and file name: a chat window's title can be long). The system's
// centred static would wrap the text onto lines that a one-line label hides.
#include <windows.h>

#include <string>

#include "platform/win32/window/window_base.hpp"

class ValueLabel : private WindowBase {
public:
    static constexpr const char* kClassName = "OrvexLogValueLabel";

    ValueLabel(HWND parent, int x, int y, int width, int height, HFONT font);
    ~ValueLabel() override;
    ValueLabel(const ValueLabel&) = delete;
    ValueLabel& operator=(const ValueLabel&) = delete;

    HWND window() const { return hwnd(); }
    void setText(const std::string& text);

private:
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT onPaint();

    HFONT font_;
};
