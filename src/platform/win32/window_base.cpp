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

HWND WindowBase::createWindow(DWORD exStyle, const char* className, const char* title, DWORD style, int x, int y,
                              int width, int height, HWND parent) {
    return CreateWindowExA(exStyle, className, title, style, x, y, width, height, parent, nullptr,
                           GetModuleHandleA(nullptr), this);
}

LRESULT WindowBase::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    return defaultHandling(message, wParam, lParam);
}

LRESULT CALLBACK WindowBase::procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<WindowBase*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<WindowBase*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
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
