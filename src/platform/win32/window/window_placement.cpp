#include "platform/win32/window/window_placement.hpp"

namespace {
// The start that puts a span of `size` inside [low, high), or `low` when it
// does not fit.
LONG fitInto(LONG start, LONG size, LONG low, LONG high) {
    if (start + size > high) start = high - size;
    return start < low ? low : start;
}
}  // namespace

void bringOntoNearestMonitor(HWND window) {
    RECT r{};
    if (window == nullptr || !GetWindowRect(window, &r)) return;
    if (MonitorFromRect(&r, MONITOR_DEFAULTTONULL) != nullptr) return;
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (!GetMonitorInfoA(MonitorFromRect(&r, MONITOR_DEFAULTTONEAREST), &monitor)) return;
    const RECT& work = monitor.rcWork;
    const LONG left = fitInto(r.left, r.right - r.left, work.left, work.right);
    const LONG top = fitInto(r.top, r.bottom - r.top, work.top, work.bottom);
    SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
