#include "platform/win32/window/monitor_dpi.hpp"

#include "platform/win32/window/gui_font.hpp"
#include "platform/win32/window/window_base.hpp"

namespace {
using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using AdjustWindowRectExForDpiFn = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
using GetSystemMetricsForDpiFn = int(WINAPI*)(int, UINT);

struct PerWindowDpi {
    GetDpiForWindowFn dpiForWindow = find<GetDpiForWindowFn>("GetDpiForWindow");
    AdjustWindowRectExForDpiFn adjustForDpi = find<AdjustWindowRectExForDpiFn>("AdjustWindowRectExForDpi");
    GetSystemMetricsForDpiFn metricForDpi = find<GetSystemMetricsForDpiFn>("GetSystemMetricsForDpi");

    template <class F>
    static F find(const char* name) {
        // Through a pointer to a function without parameters, which any
        // function pointer may be cast to and from.
        return reinterpret_cast<F>(
            reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleA("user32.dll"), name)));
    }
};

const PerWindowDpi& perWindowDpi() {
    static const PerWindowDpi functions;
    return functions;
}

RECT windowRect(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}
}  // namespace

int windowDpi(HWND window) {
    const UINT dpi = perWindowDpi().dpiForWindow != nullptr ? perWindowDpi().dpiForWindow(window) : 0;
    return dpi != 0 ? static_cast<int>(dpi) : screenDpi();
}

void sizeWindowForClient(HWND window, int clientWidth, int clientHeight, int dpi, const RECT* at) {
    RECT frame{0, 0, clientWidth, clientHeight};
    const auto style = static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(GetWindowLongA(window, GWL_EXSTYLE));
    const AdjustWindowRectExForDpiFn adjust = perWindowDpi().adjustForDpi;
    if (adjust == nullptr || !adjust(&frame, style, FALSE, exStyle, static_cast<UINT>(dpi)))
        AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    const RECT now = at != nullptr ? *at : windowRect(window);
    SetWindowPos(window, nullptr, now.left, now.top, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    // The frame the system actually drew may differ from the computed one
    // (a caption not scaled with the DPI): the client size is what counts.
    RECT client{};
    GetClientRect(window, &client);
    const int dx = clientWidth - client.right;
    const int dy = clientHeight - client.bottom;
    if (dx == 0 && dy == 0) return;
    const RECT placed = windowRect(window);
    SetWindowPos(window, nullptr, 0, 0, placed.right - placed.left + dx, placed.bottom - placed.top + dy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int systemMetricForDpi(int index, int dpi) {
    if (perWindowDpi().metricForDpi != nullptr) return perWindowDpi().metricForDpi(index, static_cast<UINT>(dpi));
    return GetSystemMetrics(index);
}

const RECT* suggestedRect(LPARAM lParam) {
    const auto* rect = reinterpret_cast<const RECT*>(lParam);
    return readableMemory(rect, sizeof *rect) ? rect : nullptr;
}
