#include "platform/win32/host_wait.hpp"

#include <utility>

#include "platform/win32/message_step.hpp"
#include "platform/win32/unique_handle.hpp"

namespace {
struct Task {
    std::function<void()> job;
    UniqueKernelHandle done;
};

DWORD WINAPI runTask(LPVOID param) {
    // The thread owns one reference; the waiting thread may have gone.
    std::unique_ptr<std::shared_ptr<Task>> task(static_cast<std::shared_ptr<Task>*>(param));
    (*task)->job();
    SetEvent((*task)->done.get());
    return 0;
}

// Dispatches what has arrived, as the program's own loop does, a bounded
// number at a time so that messages that keep coming (paints, timers) never
// hide the end of the wait; false on a quit request, which is posted again
// for the outer loop.
bool dispatchPending() {
    MSG msg;
    for (int n = 0; n < 32 && takeMessage(msg); ++n) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return false;
        }
        dispatchMessage(msg);
    }
    return true;
}
}  // namespace

WaitEnd runWhileHandlingMessages(std::function<void()> job, DWORD limitMs) {
    auto task = std::make_shared<Task>();
    task->job = std::move(job);
    task->done.reset(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    if (!task->done) {
        task->job();  // no event: wait the old way rather than not at all
        return WaitEnd::Done;
    }
    auto* threadsShare = new std::shared_ptr<Task>(task);
    UniqueKernelHandle thread(CreateThread(nullptr, 0, runTask, threadsShare, 0, nullptr));
    if (!thread) {
        delete threadsShare;
        task->job();
        return WaitEnd::Done;
    }
    const HoldInput holdInput;
    const DWORD start = GetTickCount();
    const HANDLE done = task->done.get();
    for (;;) {
        const DWORD spent = GetTickCount() - start;
        if (spent >= limitMs) return WaitForSingleObject(done, 0) == WAIT_OBJECT_0 ? WaitEnd::Done : WaitEnd::TimedOut;
        // Waking at least every second to look at the queue keeps the
        // thread counted as responsive even where the wait is not taken for
        // a wait for input.
        const DWORD slice = limitMs - spent < 1000 ? limitMs - spent : 1000;
        const DWORD woke = MsgWaitForMultipleObjectsEx(1, &done, slice, wakeMask(), MWMO_INPUTAVAILABLE);
        if (woke == WAIT_OBJECT_0) return WaitEnd::Done;
        if (woke != WAIT_OBJECT_0 + 1 && woke != WAIT_TIMEOUT) return WaitEnd::TimedOut;
        if (!dispatchPending()) return WaitEnd::ProgramEnding;
        // A message handled here may have run long (a box the user
        // answered); the job may have finished meanwhile.
        if (WaitForSingleObject(done, 0) == WAIT_OBJECT_0) return WaitEnd::Done;
    }
}
