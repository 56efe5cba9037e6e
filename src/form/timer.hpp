#pragma once
// A window timer with the rules the handlers rely on: switching on starts a
// full interval; switching on a running timer, or off a stopped one, changes
// nothing; a different interval on a running timer starts a full new
// interval, the same interval changes nothing.
#include "ports/timer_port.hpp"

class Timer {
public:
    Timer(TimerPort& port, TimerId id, unsigned intervalMs) : port_(port), id_(id), interval_(intervalMs) {}

    bool enabled() const { return enabled_; }
    unsigned interval() const { return interval_; }
    TimerId id() const { return id_; }

    void setEnabled(bool on) {
        if (on == enabled_) return;
        enabled_ = on;
        if (on) port_.start(id_, interval_);
        else port_.stop(id_);
    }
    void setInterval(unsigned intervalMs) {
        if (intervalMs == interval_) return;
        interval_ = intervalMs;
        if (enabled_) port_.start(id_, interval_);
    }

private:
    TimerPort& port_;
    TimerId id_;
    unsigned interval_;
    bool enabled_ = false;
};
