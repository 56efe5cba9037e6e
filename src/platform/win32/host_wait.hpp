#pragma once
// Waiting on another program without looking hung. A blocking call to a
// host (a message it must answer, clipboard data it must hand over) runs on
// a short-lived worker thread, while this thread goes on retrieving and
// dispatching its messages, so Windows never counts our windows as hung
// (after 5 s without retrieving messages it would ghost them), and the
// tray, the timers and a close request still work. What the user types or
// clicks meanwhile waits in the queue until the wait is over.
#include <windows.h>

#include <functional>
#include <memory>

enum class WaitEnd {
    Done,           // the job has run
    TimedOut,       // limitMs passed first; the job finishes on its own
    ProgramEnding,  // a quit request arrived; it is passed on to the outer loop
};

// Runs job on a worker thread and waits for it at most limitMs. A job that
// is given up on runs to its end later, so it must keep what it touches
// alive itself (std::shared_ptr).
WaitEnd runWhileHandlingMessages(std::function<void()> job, DWORD limitMs);
