#pragma once
// Text width in a window's font (GetTextExtentPointA on a screen-compatible
// memory DC with the font selected). The font stays its window's.
#include <windows.h>

#include "ports/text_measure_port.hpp"

class Win32TextMeasure : public TextMeasurePort {
public:
    explicit Win32TextMeasure(HFONT font = nullptr) : font_(font) {}
    void setFont(HFONT font) { font_ = font; }
    int width(std::string_view text) override;

private:
    HFONT font_;
};
