#pragma once
// Window timers of the properties window (SetTimer / KillTimer). Ticks come
// back as messages on the user-interface thread; see form/timer.hpp for the
// rules built on top.

// IconRetry: a tray icon that the shell refused is tried again.
enum class TimerId { AutoSave = 1, Close = 2, IconRetry = 3 };

class TimerPort {
public:
    virtual ~TimerPort() = default;
    // (Re)starts the timer with a full interval.
    virtual void start(TimerId id, unsigned intervalMs) = 0;
    virtual void stop(TimerId id) = 0;
};
