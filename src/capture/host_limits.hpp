#pragma once
// How long a save waits on the log window. The short messages share
// kHostAnswerLimitMs; the copy, and the handing over of its data to the worker,
// share copyLimitMs of the length the window has just reported, so a host
// that has proved it is alive is given time for a long log. The copy's cost
// grows faster than the log (under Wine 1 MB: 3 s, 3 MB: 29 s); the limit
// keeps several times that, up to a cap, so the whole save is bounded by
// kHostAnswerLimitMs + kCopyLimitCapMs.
#include <cstdint>

#include "ports/host_windows_port.hpp"

constexpr unsigned long kCopyLimitCapMs = 15UL * 60 * 1000;

// Emptying the clipboard after the log is written: the wait for a clipboard
// that others hold, and the owner's (the host's) answer to being told.
constexpr unsigned long kClipboardEmptyLimitMs = kClipboardHeldLimitMs + 8000;

// 60 s, plus 30 s per megabyte and 10 s per megabyte squared, at most 15 min:
// 100 KB: 63 s, 1 MB: 100 s, 3 MB: 240 s.
constexpr unsigned long copyLimitMs(std::uintptr_t length) {
    const unsigned long long kb = length / 1000;  // in thousands of bytes
    const unsigned long long ms = kHostAnswerLimitMs + kb * 30 + kb * kb / 100;
    return ms < kCopyLimitCapMs ? static_cast<unsigned long>(ms) : kCopyLimitCapMs;
}

// A share of waiting time that each answer uses up.
class WaitBudget {
public:
    explicit WaitBudget(unsigned long ms) : left_(ms) {}
    unsigned long left() const { return left_; }
    const HostAnswer& spend(const HostAnswer& answer) {
        left_ -= answer.waitedMs < left_ ? answer.waitedMs : left_;
        return answer;
    }

private:
    unsigned long left_;
};
