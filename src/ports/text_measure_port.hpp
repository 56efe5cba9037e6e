#pragma once
#include <string_view>

class TextMeasurePort {
public:
    virtual ~TextMeasurePort() = default;
    // Pixel width of the text in the properties window's font
    // (GetTextExtentPointA).
    virtual int width(std::string_view text) = 0;
};
