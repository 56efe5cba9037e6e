#include "platform/win32/host/host_worker.hpp"

#include <memory>
#include <utility>

#include "platform/win32/handles/unique_handle.hpp"

namespace {
struct Task {
    std::function<void()> job;
    std::function<void()> atLimit;
    std::function<void(bool)> done;
    UniqueKernelHandle finished;
    DWORD limitMs;
};

DWORD WINAPI runJob(LPVOID param) {
    // Each thread owns one reference: the other may have ended.
    std::unique_ptr<std::shared_ptr<Task>> task(static_cast<std::shared_ptr<Task>*>(param));
    (*task)->job();
    SetEvent((*task)->finished.get());
    return 0;
}

// Starts the job on a thread of its own and waits for it at most its limit;
// a host that never answers keeps only that thread.
DWORD WINAPI watchJob(LPVOID param) {
    std::unique_ptr<std::shared_ptr<Task>> task(static_cast<std::shared_ptr<Task>*>(param));
    Task& t = **task;
    auto* jobsShare = new std::shared_ptr<Task>(*task);
    const UniqueKernelHandle job(CreateThread(nullptr, 0, runJob, jobsShare, 0, nullptr));
    bool ran;
    if (job) {
        ran = WaitForSingleObject(t.finished.get(), t.limitMs) == WAIT_OBJECT_0;
        if (!ran && t.atLimit) t.atLimit();
    } else {
        delete jobsShare;
        t.job();  // no second thread: this one does the job
        ran = true;
    }
    t.done(ran);
    return 0;
}
}  // namespace

void runOnWorker(std::function<void()> job, std::function<void()> atLimit, DWORD limitMs,
                 std::function<void(bool ran)> done) {
    auto task = std::make_shared<Task>();
    task->job = std::move(job);
    task->atLimit = std::move(atLimit);
    task->done = std::move(done);
    task->finished.reset(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    task->limitMs = limitMs;
    if (task->finished) {
        auto* watchersShare = new std::shared_ptr<Task>(task);
        const UniqueKernelHandle watcher(CreateThread(nullptr, 0, watchJob, watchersShare, 0, nullptr));
        if (watcher) return;
        delete watchersShare;
    }
    // No thread or event to be had: the job runs here rather than not at all.
    task->job();
    task->done(true);
}

void postWhenDone(std::function<void()> job, std::function<void()> atLimit, DWORD limitMs, HWND target,
                  UINT message, WPARAM id) {
    runOnWorker(std::move(job), std::move(atLimit), limitMs,
                [target, message, id](bool ran) { PostMessageA(target, message, id, ran ? 1 : 0); });
}
