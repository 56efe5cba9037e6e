#include "platform/win32/window_base.hpp"

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

// Only the system sends these, and only from the window's own thread; Wine
// copies WM_NCCREATE's creation data across processes, so another program
// could otherwise hand us an address of its choosing, and on Windows a
// WM_NOTIFY from outside carries a pointer into our memory that its sender
// chose.
bool onlyFromOwnThread(UINT message) {
    switch (message) {
        case WM_NCCREATE:
        case WM_CREATE:
        case WM_DESTROY:
        case WM_NCDESTROY:
        case WM_NOTIFY: return true;
        default: return false;
    }
}
}  // namespace

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
    if (onlyFromOwnThread(message) && sentFromAnotherThread()) return 0;
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
