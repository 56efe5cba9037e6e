// Text width through GetTextExtentPointA in a given font.
#include <gtest/gtest.h>

#include <windows.h>

#include "platform/win32/handles/unique_handle.hpp"
#include "platform/win32/system/win32_text_measure.hpp"

TEST(Win32TextMeasure, WidthGrowsWithTheTextAndTheFont) {
    const UniqueFont small(CreateFontA(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Arial"));
    const UniqueFont large(CreateFontA(-36, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Arial"));
    ASSERT_TRUE(small && large);
    Win32TextMeasure measureSmall(small.get());
    Win32TextMeasure measureLarge(large.get());

    EXPECT_EQ(measureSmall.width(""), 0);
    const int one = measureSmall.width("W");
    EXPECT_GT(one, 0);
    EXPECT_GT(measureSmall.width("WWWW"), one);
    EXPECT_GT(measureLarge.width("WWWW"), measureSmall.width("WWWW"));
    // The font is selected only while measuring: the default font measures
    // differently from both.
    EXPECT_NE(Win32TextMeasure().width("WWWW"), measureLarge.width("WWWW"));
}
