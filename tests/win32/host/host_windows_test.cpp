// Messages to another program's window: sent on a worker, never waited for on
// this thread; the answer, or the end of its limit, comes back as a message.
// A copy counts only when a window of the control's own program placed it;
// the worker takes it off the clipboard, waiting for another program that
// holds the clipboard and never keeping it past the limit from a host that
// does not hand its copy over; and the clipboard is emptied only while it
// still holds that copy.
#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <memory>
#include <utility>
#include <vector>

#include "platform/win32/handles/unique_handle.hpp"
#include "platform/win32/host/host_worker.hpp"
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
    postWhenDone([] { Sleep(200); }, nullptr, 5000, target_.get(), kAnswer, 7);
    EXPECT_LT(GetTickCount() - start, 150u);
    EXPECT_EQ(nextPost(), (std::pair<WPARAM, LPARAM>{7, 1}));

    // Given up on at its limit, the job runs to its end on its own.
    auto finished = std::make_shared<std::atomic<bool>>(false);
    const DWORD given = GetTickCount();
    auto atLimit = std::make_shared<std::atomic<bool>>(false);
    postWhenDone([finished] { Sleep(1500), finished->store(true); }, [atLimit] { atLimit->store(true); }, 300,
                 target_.get(), kAnswer, 8);
    EXPECT_EQ(nextPost(), (std::pair<WPARAM, LPARAM>{8, 0}));
    const DWORD waited = GetTickCount() - given;
    EXPECT_GE(waited, 290u);
    EXPECT_LT(waited, 1400u);
    EXPECT_FALSE(finished->load());
    EXPECT_TRUE(atLimit->load());
    for (int i = 0; i < 100 && !finished->load(); ++i) Sleep(50);
    EXPECT_TRUE(finished->load());
}

TEST_F(HostWindowsTest, ACopyCountsWhenTheControlsProgramPlacedItAndIsTakenOnTheWorker) {
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

    ASSERT_TRUE(copy.taken);
    EXPECT_EQ(copy.taken->form, ClipboardCopy::Form::UnicodeText);
    EXPECT_EQ(copy.taken->bytes, std::string("a\0 \0l\0o\0g\0 \0l\0i\0n\0e\0", 20));


    // A control gone by the time it is asked: no copy to count.
    edit.reset();
    hosts.copy(control, GetClipboardSequenceNumber(), 5000);
    EXPECT_EQ(answer(hosts).status, HostAnswer::Status::Gone);
    // An answer nothing waits for any more is not taken.
    HostAnswer stale;
    EXPECT_FALSE(hosts.takeAnswer(1, 1, stale));
}

namespace {
// A host on a thread of its own whose copy is a promise (CF_TEXT rendered
// when asked for): WM_RENDERFORMAT hands it over once released, or after
// handOverMs; right after its copy, another program may hold the clipboard
// for holdMs, as a clipboard manager does.
class PromisingHost {
public:
    PromisingHost(DWORD handOverMs, DWORD holdMs)
        : handOverMs_(handOverMs), holdMs_(holdMs), release_(CreateEventA(nullptr, TRUE, FALSE, nullptr)),
          ready_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {
        thread_.reset(CreateThread(nullptr, 0, run, this, 0, nullptr));
        WaitForSingleObject(ready_.get(), 5000);
    }
    ~PromisingHost() {
        release();
        PostMessageA(window_, WM_CLOSE, 0, 0);
        WaitForSingleObject(thread_.get(), 5000);
    }
    PromisingHost(const PromisingHost&) = delete;
    PromisingHost& operator=(const PromisingHost&) = delete;
    win::Handle control() const { return reinterpret_cast<win::Handle>(window_); }
    void release() { SetEvent(release_.get()); }

private:
    static DWORD WINAPI run(LPVOID self) {
        auto* host = static_cast<PromisingHost*>(self);
        WNDCLASSA wc{};
        wc.lpfnWndProc = proc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "OrvexLogPromisingHost";
        RegisterClassA(&wc);
        host->window_ = CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                        wc.hInstance, nullptr);
        SetWindowLongPtrA(host->window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(host));
        SetEvent(host->ready_.get());
        MSG msg;
        while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
        return 0;
    }
    static DWORD WINAPI hold(LPVOID self) {
        auto* host = static_cast<PromisingHost*>(self);
        if (OpenClipboard(nullptr) == 0) return 1;
        SetEvent(host->held_.get());
        Sleep(host->holdMs_);
        CloseClipboard();
        return 0;
    }
    static LRESULT CALLBACK proc(HWND w, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* host = reinterpret_cast<PromisingHost*>(GetWindowLongPtrA(w, GWLP_USERDATA));
        switch (message) {
            case WM_COPY:
                OpenClipboard(w);
                EmptyClipboard();
                SetClipboardData(CF_TEXT, nullptr);
                CloseClipboard();
                if (host->holdMs_ > 0) {
                    host->held_.reset(CreateEventA(nullptr, TRUE, FALSE, nullptr));
                    host->holder_.reset(CreateThread(nullptr, 0, hold, host, 0, nullptr));
                    WaitForSingleObject(host->held_.get(), 5000);
                }
                return 0;
            case WM_RENDERFORMAT: {
                WaitForSingleObject(host->release_.get(), host->handOverMs_);
                static const char kText[] = "promised log";
                HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, sizeof kText);
                CopyMemory(GlobalLock(data), kText, sizeof kText);
                GlobalUnlock(data);
                if (SetClipboardData(CF_TEXT, data) == nullptr) GlobalFree(data);
                return 0;
            }
            case WM_CLOSE:
                if (host->holder_) WaitForSingleObject(host->holder_.get(), 5000);
                DestroyWindow(w);
                PostQuitMessage(0);
                return 0;
            default:
                return DefWindowProcA(w, message, wParam, lParam);
        }
    }

    DWORD handOverMs_, holdMs_;
    UniqueKernelHandle release_, ready_, held_, thread_, holder_;
    HWND window_ = nullptr;
};

// Another program (or the test) opens the clipboard within limitMs.
bool othersCanOpen(HWND owner, DWORD limitMs) {
    const DWORD start = GetTickCount();
    while (OpenClipboard(owner) == 0) {
        if (GetTickCount() - start > limitMs) return false;
        Sleep(20);
    }
    CloseClipboard();
    return true;
}
}  // namespace

TEST_F(HostWindowsTest, APromisedCopyIsTakenOnTheWorkerAndAHeldClipboardIsWaitedForUpToTheBound) {
    Win32HostWindows hosts;
    hosts.setTarget(target_.get(), kAnswer);
    const struct {
        DWORD handOverMs, holdMs;
        HostAnswer::Status status;
        DWORD minWaited, maxWaited;
    } rows[] = {{0, 0, HostAnswer::Status::Answered, 0, 1500},
                {300, 0, HostAnswer::Status::Answered, 290, 2000},
                {0, 400, HostAnswer::Status::Answered, 390, 2000},
                {0, 2600, HostAnswer::Status::ClipboardHeld, 1900, 2500}};
    // Emptied by a worker of its own, which a program that ends waits for.
    const auto emptiedIfStill = [](DWORD number) {
        Win32HostWindows{}.emptyClipboard(number, 5000);
        return !IsClipboardFormatAvailable(CF_TEXT);
    };
    for (const auto& row : rows) {
        PromisingHost host(row.handOverMs, row.holdMs);
        const DWORD before = GetClipboardSequenceNumber();
        hosts.copy(host.control(), before, 10000);
        const HostAnswer copy = answer(hosts);
        EXPECT_EQ(copy.status, row.status) << row.handOverMs << "/" << row.holdMs;
        EXPECT_GE(copy.waitedMs, row.minWaited) << row.handOverMs << "/" << row.holdMs;
        EXPECT_LE(copy.waitedMs, row.maxWaited) << row.handOverMs << "/" << row.holdMs;
        if (row.status != HostAnswer::Status::Answered) continue;
        // The paste's first choice, made from the promised CF_TEXT.
        ASSERT_TRUE(copy.taken);
        EXPECT_EQ(copy.taken->form, ClipboardCopy::Form::UnicodeText);
        EXPECT_EQ(copy.taken->bytes, std::string("p\0r\0o\0m\0i\0s\0e\0d\0 \0l\0o\0g\0", 24));
        // Only while it still holds the host's copy.
        EXPECT_FALSE(emptiedIfStill(before));
        EXPECT_TRUE(emptiedIfStill(static_cast<DWORD>(copy.value)));
    }
}

// A host whose copy, once it has answered, turns out to be another
// program's: the clipboard changed, but its owner is a window of that other
// program (here ui_driver.exe, built beside the tests, which copies while
// the host answers and stays alive as the owner): not the host's copy.
TEST_F(HostWindowsTest, ACopyOwnedByAnotherProgramsWindowIsNotTheHosts) {
    char self[MAX_PATH];
    const std::string path(self, GetModuleFileNameA(nullptr, self, MAX_PATH));
    std::string command = "\"" + path.substr(0, path.find_last_of("\\/") + 1) + "ui_driver.exe\" clipboard-set other 5";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION other{};
    const DWORD before = GetClipboardSequenceNumber();
    ASSERT_TRUE(CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &other));
    const UniqueKernelHandle process(other.hProcess), thread(other.hThread);
    for (int i = 0; i < 500 && GetClipboardSequenceNumber() == before; ++i) Sleep(20);
    ASSERT_NE(GetClipboardSequenceNumber(), before);
    ASSERT_NE(GetClipboardOwner(), nullptr);

    // The host answers WM_COPY without copying; the other program's copy
    // came meanwhile.
    UniqueHwnd edit(CreateWindowExA(0, "EDIT", "a log line", WS_POPUP, 0, 0, 100, 20, nullptr, nullptr,
                                    GetModuleHandleA(nullptr), nullptr));
    Win32HostWindows hosts;
    hosts.setTarget(target_.get(), kAnswer);
    hosts.copy(reinterpret_cast<win::Handle>(edit.get()), before, 5000);
    const HostAnswer copy = answer(hosts);
    EXPECT_EQ(copy.status, HostAnswer::Status::NotHostsCopy);
    EXPECT_FALSE(copy.taken);
    TerminateProcess(process.get(), 0);
}

// A host that never hands its promised copy over keeps the worker, never the
// clipboard: at the copy's limit the worker lets go of it from inside its
// wait, and other programs can copy and paste again.
TEST_F(HostWindowsTest, AHandOverGivenUpAtItsLimitLeavesTheClipboardFreeForOthers) {
    Win32HostWindows hosts;
    hosts.setTarget(target_.get(), kAnswer);
    PromisingHost host(INFINITE, 0);
    hosts.copy(host.control(), GetClipboardSequenceNumber(), 800);
    EXPECT_EQ(answer(hosts).status, HostAnswer::Status::NotAnswering);
    const DWORD given = GetTickCount();
    while (GetOpenClipboardWindow() != nullptr && GetTickCount() - given < 1000) Sleep(20);
    EXPECT_EQ(GetOpenClipboardWindow(), nullptr);
    // Wine's own X11 bridge asks the clipboard's owner, this host, before
    // every opening, for up to 5 s until it counts as hung.
    EXPECT_TRUE(othersCanOpen(target_.get(), 6000));
    host.release();
}
