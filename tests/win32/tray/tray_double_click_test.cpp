// The tray's double-click mark as Windows sends a double click whose first
// press the program already took (its menu dismissed): the shell's
// WM_LBUTTONDBLCLK comes, then the second press as a plain one, which ends
// the double click only within the system's double-click time and
// rectangle of the mark, and only once.
#include <gtest/gtest.h>

#include <windows.h>

#include "platform/win32/tray/win32_tray.hpp"

TEST(TrayDoubleClickMark, ASecondPressEndsTheDoubleClickOnlyWithinTheSystemsTimeAndRectangle) {
    Win32Tray tray(nullptr, nullptr, nullptr);
    const TrayPress mark = tray.pressNow();
    const unsigned long time = GetDoubleClickTime();
    const int halfWidth = GetSystemMetrics(SM_CXDOUBLECLK) / 2;
    const struct {
        int dx;
        unsigned long later;
        bool ends;
    } rows[] = {{0, 0, true},
                {halfWidth, time, true},
                {0, time + 1, false},
                {halfWidth + 1, 0, false}};
    for (const auto& row : rows) {
        tray.markDoubleClick(mark);
        const TrayPress second{{mark.at.x + row.dx, mark.at.y}, mark.time + row.later};
        EXPECT_EQ(tray.pressEndsDoubleClick(second), row.ends) << row.dx << " px, " << row.later << " ms later";
        // The mark is used up by the press that follows it.
        EXPECT_FALSE(tray.pressEndsDoubleClick(second));
    }
    // A press read as its message arrives is within the time of a mark made
    // from the press before it.
    tray.markDoubleClick(mark);
    EXPECT_TRUE(tray.pressEndsDoubleClick(tray.pressNow()));
}
