#include "platform/win32/window/window_base.hpp"

#include <cstddef>
#include <cstdint>

void WindowBase::registerClass(const char* className, HICON icon) {
    WNDCLASSEXA wc{};
    if (GetClassInfoExA(GetModuleHandleA(nullptr), className, &wc)) return;
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = &WindowBase::procedure;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hIcon = icon;
    wc.hIconSm = icon;
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = className;
    RegisterClassExA(&wc);
}

namespace {
// The object whose window this thread is creating right now. Creations nest
// (a window may create another while it is being created), so each creation
// puts back the one it interrupted.
thread_local WindowBase* t_creating = nullptr;
// How many of our own destructions are under way on this thread.
thread_local int t_destroying = 0;
}  // namespace

bool readableMemory(const void* address, std::size_t size) {
    auto at = reinterpret_cast<std::uintptr_t>(address);
    const std::uintptr_t end = at + size;
    if (at == 0 || end < at) return false;
    while (at < end) {
        MEMORY_BASIC_INFORMATION region{};
        if (VirtualQuery(reinterpret_cast<const void*>(at), &region, sizeof region) == 0 ||
            region.State != MEM_COMMIT || (region.Protect & (PAGE_NOACCESS | PAGE_GUARD)) != 0)
            return false;
        at = reinterpret_cast<std::uintptr_t>(region.BaseAddress) + region.RegionSize;
    }
    return true;
}

void destroyOwnWindow(HWND window) {
    ++t_destroying;
    DestroyWindow(window);
    --t_destroying;
}

const NMHDR* notifyHeader(LPARAM lParam) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    return readableMemory(header, sizeof *header) ? header : nullptr;
}

HWND WindowBase::createWindow(DWORD exStyle, const char* className, const char* title, DWORD style, int x, int y,
                              int width, int height, HWND parent) {
    WindowBase* const interrupted = t_creating;
    t_creating = this;
    HWND window = CreateWindowExA(exStyle, className, title, style, x, y, width, height, parent, nullptr,
                                  GetModuleHandleA(nullptr), this);
    t_creating = interrupted;
    return window;
}

LRESULT WindowBase::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    return defaultHandling(message, wParam, lParam);
}

LRESULT CALLBACK WindowBase::procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    // Whoever sent a message, to us it may arrive inside a message that
    // another thread sent (the shell's tray callback): what is checked below
    // is the message itself, never the thread's incoming-message state.
    auto* self = reinterpret_cast<WindowBase*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (message == WM_NCCREATE) {
        // The object is bound once, at its own window's creation: the window
        // has none yet and this thread is inside createWindow for it. Any
        // other WM_NCCREATE is refused.
        const auto* creation = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        if (self != nullptr || t_creating == nullptr || creation == nullptr ||
            creation->lpCreateParams != t_creating)
            return FALSE;
        self = t_creating;
        t_creating = nullptr;
        self->hwnd_ = hwnd;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    if (self == nullptr) return DefWindowProcA(hwnd, message, wParam, lParam);
    if ((message == WM_DESTROY || message == WM_NCDESTROY) && t_destroying == 0) return 0;
    if (message == WM_NOTIFY && notifyHeader(lParam) == nullptr) return 0;
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        const LRESULT result = self->handle(message, wParam, lParam);
        self->hwnd_ = nullptr;
        return result;
    }
    return self->handle(message, wParam, lParam);
}

HWND createChild(HWND parent, const char* className, const char* text, DWORD style, int x, int y, int width,
                 int height, int id, HFONT font, DWORD exStyle) {
    HWND child = CreateWindowExA(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height, parent,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
    if (child != nullptr && font != nullptr) SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return child;
}
