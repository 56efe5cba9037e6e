#pragma once
// The clipboard as a worker opens it. It is shared: another program may hold
// it at any instant, so each opening is tried again, spaced, up to
// kClipboardHeldLimitMs. While it is open the worker may wait on the host
// without end: a promised copy is handed over by the host's own thread when
// it is asked for, and emptying the clipboard tells its owner. So the
// clipboard is opened with a message-only window of the worker's own, and
// when the job's limit passes, the watcher tells that window (giveUp); the
// worker, still inside its wait on the host, handles that message and closes
// the clipboard there, so that other programs have it again at once. Only
// the worker stays behind, until the host answers or ends.
#include <windows.h>

#include <atomic>

#include "platform/win32/handles/unique_handle.hpp"

// A host asked to copy while another program holds the clipboard open
// copies nothing; the worker asks once the clipboard is free, or once the
// bound has passed. (Only an opening made with a window is seen.)
void waitWhileClipboardOpen();

// Shared by a job's worker and its watcher.
class ClipboardHandOver {
public:
    // The watcher's side, once the job's limit has passed.
    void giveUp();
    bool givenUp() const { return givenUp_.load(); }

private:
    friend class WorkerClipboard;
    std::atomic<bool> givenUp_{false};
    std::atomic<HWND> window_{nullptr};
};

class WorkerClipboard {
public:
    explicit WorkerClipboard(ClipboardHandOver& handOver);
    ~WorkerClipboard();  // closes the clipboard if it is still ours
    WorkerClipboard(const WorkerClipboard&) = delete;
    WorkerClipboard& operator=(const WorkerClipboard&) = delete;

    enum class Opening { Open, Held, GivenUp };
    // Tries until the clipboard is ours, another program has held it past
    // the bound, or the job was given up.
    Opening open();
    // Whether the clipboard is still open for this worker: not once the job
    // was given up inside a wait.
    bool stillOpen() const;

private:
    ClipboardHandOver& handOver_;
    UniqueHwnd window_;
};
