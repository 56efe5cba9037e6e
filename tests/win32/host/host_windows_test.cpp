// Messages to another program's window: sent on a worker, never waited for on
// this thread; the answer, or the end of its limit, comes back as a message.
// A copy counts only when a window of the control's own program placed it,
// and the clipboard is emptied only while it still holds that copy.
#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <memory>
#include <utility>
#include <vector>

#include "platform/win32/handles/unique_handle.hpp"
#include "platform/win32/host/host_worker.hpp"
#include "platform/win32/host/win32_clipboard.hpp"
#include "platform/win32/host/win32_host_windows.hpp"

namespace {
constexpr UINT kAnswer = WM_APP + 5;
std::vector<std::pair<WPARAM, LPARAM>> g_posts;

LRESULT CALLBACK recordPosts(HWND w, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kAnswer) g_posts.emplace_back(wParam, lParam);
    return DefWindowProcA(w, message, wParam, lParam);
}

class HostWindowsTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_posts.clear();
        WNDCLASSA wc{};
        wc.lpfnWndProc = recordPosts;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "OrvexLogAnswerTest";
        RegisterClassA(&wc);
        target_.reset(CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                      wc.hInstance, nullptr));
        ASSERT_TRUE(target_);
    }
    // The loop, until the next answer arrives; what a worker sends to our
    // windows meanwhile is handled here too.
    std::pair<WPARAM, LPARAM> nextPost(DWORD limitMs = 10000) {
        const DWORD start = GetTickCount();
        MSG msg;
        while (g_posts.empty() && GetTickCount() - start < limitMs) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
        }
        if (g_posts.empty()) return {0, -1};
        const auto post = g_posts.front();
        g_posts.erase(g_posts.begin());
        return post;
    }
    HostAnswer answer(Win32HostWindows& hosts) {
        const auto [id, ran] = nextPost();
        HostAnswer a{HostAnswer::Status::NotAnswering, -1};
        EXPECT_TRUE(hosts.takeAnswer(id, ran, a));
        return a;
    }
    UniqueHwnd target_;
};
}  // namespace

TEST_F(HostWindowsTest, AJobIsPostedOnceItHasRunOrItsLimitHasPassedAndNeverWaitedFor) {
    const DWORD start = GetTickCount();
    postWhenDone([] { Sleep(200); }, 5000, target_.get(), kAnswer, 7);
    EXPECT_LT(GetTickCount() - start, 150u);
    EXPECT_EQ(nextPost(), (std::pair<WPARAM, LPARAM>{7, 1}));

    // Given up on at its limit, the job runs to its end on its own.
    auto finished = std::make_shared<std::atomic<bool>>(false);
    const DWORD given = GetTickCount();
    postWhenDone([finished] { Sleep(1500), finished->store(true); }, 300, target_.get(), kAnswer, 8);
    EXPECT_EQ(nextPost(), (std::pair<WPARAM, LPARAM>{8, 0}));
    const DWORD waited = GetTickCount() - given;
    EXPECT_GE(waited, 290u);
    EXPECT_LT(waited, 1400u);
    EXPECT_FALSE(finished->load());
    for (int i = 0; i < 100 && !finished->load(); ++i) Sleep(50);
    EXPECT_TRUE(finished->load());
}

TEST_F(HostWindowsTest, ACopyCountsWhenTheControlsProgramPlacedItAndIsEmptiedOnlyWhileStillThere) {
    UniqueHwnd edit(CreateWindowExA(0, "EDIT", "a log line", WS_POPUP, 0, 0, 100, 20, nullptr, nullptr,
                                    GetModuleHandleA(nullptr), nullptr));
    ASSERT_TRUE(edit);
    Win32HostWindows hosts;
    hosts.setTarget(target_.get(), kAnswer);
    const auto control = reinterpret_cast<win::Handle>(edit.get());

    hosts.send(control, WM_GETTEXTLENGTH, 0, 0, 5000);
    HostAnswer length = answer(hosts);
    EXPECT_EQ(length.status, HostAnswer::Status::Answered);
    EXPECT_EQ(length.value, 10);
    // Nothing selected: nothing copied, the number unchanged.
    const DWORD before = GetClipboardSequenceNumber();
    hosts.copy(control, before, 5000);
    HostAnswer copy = answer(hosts);
    EXPECT_EQ(copy.status, HostAnswer::Status::Answered);
    EXPECT_EQ(static_cast<DWORD>(copy.value), before);
    // All selected: the edit, a window of the control's own program, owns
    // the copy; the answer is the clipboard's number with it.
    SendMessageA(edit.get(), EM_SETSEL, 0, -1);
    hosts.copy(control, before, 5000);
    copy = answer(hosts);
    ASSERT_EQ(copy.status, HostAnswer::Status::Answered);
    EXPECT_NE(static_cast<DWORD>(copy.value), before);
    EXPECT_EQ(static_cast<DWORD>(copy.value), GetClipboardSequenceNumber());

    Win32Clipboard clipboard(target_.get());
    clipboard.emptyIfStill(before);
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_TEXT));
    clipboard.emptyIfStill(static_cast<std::uint32_t>(copy.value));
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_TEXT));

    // A control gone by the time it is asked: no copy to count.
    edit.reset();
    hosts.copy(control, GetClipboardSequenceNumber(), 5000);
    EXPECT_EQ(answer(hosts).status, HostAnswer::Status::Gone);
    // An answer nothing waits for any more is not taken.
    HostAnswer stale;
    EXPECT_FALSE(hosts.takeAnswer(1, 1, stale));
}
