#pragma once
// A blocking call to another program (a message it must answer, clipboard
// data it must hand over) runs on a short-lived worker and is never waited
// for on the user-interface thread: when it has run, or when its limit has
// passed first, a message posted to our window says so, and whichever loop
// runs then takes it. Nothing of ours is held meanwhile: the user's keys and
// clicks, the tray and the timers are answered as they come.
#include <windows.h>

#include <functional>

// Runs job on a worker and, once it has run or limitMs has passed first,
// calls done(ran) on the thread that watches it; at the limit, atLimit runs
// there first, so that a job waiting on another program can let go of what
// it holds. A job given up on runs to its end later, so it must keep what it
// touches alive itself (std::shared_ptr). Returns at once.
void runOnWorker(std::function<void()> job, std::function<void()> atLimit, DWORD limitMs,
                 std::function<void(bool ran)> done);

// As runOnWorker, done posting `message` to `target` with wParam = id and
// lParam = 1 once the job has run, or 0 once limitMs has passed first.
void postWhenDone(std::function<void()> job, std::function<void()> atLimit, DWORD limitMs, HWND target,
                  UINT message, WPARAM id);
