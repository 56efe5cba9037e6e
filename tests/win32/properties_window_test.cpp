// The properties window's close request: the closing event decides, and a
// close it refuses (one that comes while the closing step shows its error)
// leaves no quit behind that would end the loop of that error's box.
#include <gtest/gtest.h>

#include <windows.h>

#include "platform/win32/properties_window.hpp"

TEST(PropertiesWindow, ARefusedClosePostsNoQuitAndWithoutAClosingEventTheLoopEnds) {
    PropertiesWindow window(nullptr, nullptr, 96);
    int closings = 0;
    PropertiesWindow::Events events;
    events.closing = [&closings] { ++closings; };  // returns: refused
    window.setEvents(std::move(events));
    MSG msg;
    SendMessageA(window.window(), WM_CLOSE, 0, 0);
    EXPECT_EQ(closings, 1);
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));

    window.setEvents({});
    SendMessageA(window.window(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}
