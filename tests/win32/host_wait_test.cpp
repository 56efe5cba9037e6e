// A wait on another program: bounded, ended by a quit request that it hands
// on, and taking sent and posted messages meanwhile while the user's keys
// wait in the queue until it is over.
#include <gtest/gtest.h>

#include <windows.h>

#include "platform/win32/host_wait.hpp"
#include "platform/win32/unique_handle.hpp"

namespace {
int g_sent = 0, g_posted = 0, g_keys = 0;
LRESULT CALLBACK countMessages(HWND w, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_APP) ++g_sent;
    if (message == WM_APP + 1) ++g_posted;
    if (message == WM_KEYDOWN) ++g_keys;
    return DefWindowProcA(w, message, wParam, lParam);
}
DWORD WINAPI sendApp(void* target) { return static_cast<DWORD>(SendMessageA(static_cast<HWND>(target), WM_APP, 0, 0)); }
}  // namespace

TEST(HostWait, EndsAtItsLimitAndHandsAQuitRequestOn) {
    // The jobs outlive their waits; they end on their own.
    const auto longJob = [] { Sleep(4000); };
    const DWORD start = GetTickCount();
    EXPECT_EQ(runWhileHandlingMessages(longJob, 300), WaitEnd::TimedOut);
    const DWORD spent = GetTickCount() - start;
    EXPECT_GE(spent, 290u);
    EXPECT_LT(spent, 3000u);

    PostQuitMessage(3);
    EXPECT_EQ(runWhileHandlingMessages(longJob, 5000), WaitEnd::ProgramEnding);
    MSG quit;
    ASSERT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(quit.wParam, 3u);
}

TEST(HostWait, TakesSentAndPostedMessagesWhileTheUsersKeysWait) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = countMessages;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "OrvexLogWaitTest";
    RegisterClassA(&wc);
    UniqueHwnd window(CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr,
                                      wc.hInstance, nullptr));
    SetForegroundWindow(window.get());
    SetFocus(window.get());
    INPUT key[2]{};
    key[0].type = key[1].type = INPUT_KEYBOARD;
    key[0].ki.wVk = key[1].ki.wVk = 'A';
    key[1].ki.dwFlags = KEYEVENTF_KEYUP;
    ASSERT_EQ(SendInput(2, key, sizeof(INPUT)), 2u);
    PostMessageA(window.get(), WM_APP + 1, 0, 0);
    const UniqueKernelHandle sender(CreateThread(nullptr, 0, sendApp, window.get(), 0, nullptr));

    EXPECT_EQ(runWhileHandlingMessages([] { Sleep(500); }, 5000), WaitEnd::Done);
    EXPECT_EQ(g_sent, 1);
    EXPECT_EQ(g_posted, 1);
    EXPECT_EQ(g_keys, 0);
    // Answered once the wait is over.
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    EXPECT_EQ(g_keys, 1);
    WaitForSingleObject(sender.get(), 5000);
}
