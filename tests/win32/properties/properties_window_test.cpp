// A close that the closing event refuses (one that comes while the closing
// step shows its error) leaves no quit behind to end that error box's loop.
#include <gtest/gtest.h>

#include <windows.h>

#include "platform/win32/properties/properties_window.hpp"

TEST(PropertiesWindow, ARefusedClosePostsNoQuit) {
    PropertiesWindow window(nullptr, nullptr, 96);
    int closings = 0;
    PropertiesWindow::Events events;
    events.closing = [&closings] { ++closings; };  // returns: refused
    window.setEvents(std::move(events));
    SendMessageA(window.window(), WM_CLOSE, 0, 0);
    EXPECT_EQ(closings, 1);
    MSG msg;
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}
