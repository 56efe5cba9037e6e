// The tray icon's callbacks on the real API: the protocol the shell speaks
// once asked (Wine's tray, like Windows since the version-5 shell, takes
// NOTIFYICON_VERSION_4), decoded for our icon only; and the system's
// double-click time and rectangle, which make a second press the end of a
// double click the shell reported first.
#include <gtest/gtest.h>

#include <windows.h>

#include "platform/win32/handles/unique_handle.hpp"
#include "platform/win32/tray/win32_tray.hpp"
#include "ports/win_constants.hpp"

TEST(TrayCallbacks, TheVersion4ProtocolIsAskedForAndDecodedForOurIconOnly) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "OrvexLogTrayTest";
    RegisterClassA(&wc);
    const UniqueHwnd owner(CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                           wc.hInstance, nullptr));
    const UniqueIcon icon(LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION)));
    Win32Tray tray(owner.get(), owner.get(), icon.get());
    // Before the shell has been asked: the first protocol.
    TrayEvent event;
    ASSERT_TRUE(tray.decode(Win32Tray::kIconId, WM_LBUTTONDOWN, event));
    EXPECT_EQ(event.message, static_cast<unsigned>(WM_LBUTTONDOWN));
    EXPECT_FALSE(tray.decode(2, WM_LBUTTONDOWN, event));

    ASSERT_TRUE(tray.addIcon("OrvexLog test"));
    // The anchor in wParam (signed, a monitor left of the first), the event
    // and our id in lParam.
    ASSERT_TRUE(tray.decode(MAKEWPARAM(static_cast<WORD>(-300), 700), MAKELPARAM(win::kNinKeySelect, 1), event));
    EXPECT_EQ(event.message, win::kNinKeySelect);
    EXPECT_EQ(event.press.at.x, -300);
    EXPECT_EQ(event.press.at.y, 700);
    EXPECT_FALSE(tray.decode(Win32Tray::kIconId, WM_LBUTTONDOWN, event));
    EXPECT_FALSE(tray.decode(0, MAKELPARAM(win::kWmContextMenu, 2), event));
    tray.removeIcon();
}

TEST(TrayCallbacks, ASecondPressIsTheSameGestureOnlyWithinTheSystemsTimeAndRectangle) {
    Win32Tray tray(nullptr, nullptr, nullptr);
    const TrayPress first = Win32Tray::pressNow();
    const unsigned long time = GetDoubleClickTime();
    const int halfWidth = GetSystemMetrics(SM_CXDOUBLECLK) / 2;
    const struct {
        int dx;
        unsigned long later;
        bool same;
    } rows[] = {{0, 0, true}, {halfWidth, time, true}, {0, time + 1, false}, {halfWidth + 1, 0, false}};
    for (const auto& row : rows) {
        const TrayPress second{{first.at.x + row.dx, first.at.y}, first.time + row.later};
        EXPECT_EQ(tray.sameGesture(first, second), row.same) << row.dx << " px, " << row.later << " ms later";
    }
    // A press read as its message arrives is within the time of the one
    // read before it.
    EXPECT_TRUE(tray.sameGesture(first, Win32Tray::pressNow()));
}
