#pragma once
// What the screen shows of a window, for the drivers that check it: the
// part of a child window that its parent's client area lets through, and the
// screen's pixels there (0x00RRGGBB, row by row), once its painting is done.
#include <windows.h>

#include <vector>

#include "platform/win32/handles/gdi_scopes.hpp"
#include "platform/win32/handles/unique_handle.hpp"

// The child's rectangle on screen, cut to its parent's client area.
inline bool visibleRect(HWND child, RECT& out) {
    RECT own{}, client{};
    if (!GetWindowRect(child, &own)) return false;
    HWND parent = GetParent(child);
    if (parent == nullptr) {
        out = own;
        return true;
    }
    GetClientRect(parent, &client);
    MapWindowPoints(parent, nullptr, reinterpret_cast<POINT*>(&client), 2);
    return IntersectRect(&out, &own, &client) != 0;
}

// Empty when the screen cannot be read.
inline std::vector<DWORD> screenPixels(const RECT& r) {
    const int width = r.right - r.left, height = r.bottom - r.top;
    if (width <= 0 || height <= 0) return {};
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    const ScopedGetDc screen(nullptr);
    const UniqueHandle<NullHandleTraits<HDC, &DeleteDC>> memory(CreateCompatibleDC(screen.get()));
    void* bits = nullptr;
    const UniqueHandle<NullHandleTraits<HBITMAP, &DeleteObject>> bitmap(
        CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!memory || !bitmap || bits == nullptr) return {};
    const ScopedSelectObject selected(memory.get(), bitmap.get());
    if (!BitBlt(memory.get(), 0, 0, width, height, screen.get(), r.left, r.top, SRCCOPY)) return {};
    const auto* pixels = static_cast<const DWORD*>(bits);
    std::vector<DWORD> out(pixels, pixels + static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    for (DWORD& p : out) p &= 0x00FFFFFF;
    return out;
}

// The screen's pixels in `r` (a child window's visibleRect) once neither the
// window nor its parent has painting pending and they have stayed the same
// for a while (the system may show a paint a little later); what they are
// after `limit` seconds otherwise. A window just shown or changed is seen as
// painted, not half way.
inline std::vector<DWORD> settledPixels(HWND w, const RECT& r, double limit) {
    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(limit * 1000);
    const auto until = [deadline](auto condition) {
        while (!condition() && GetTickCount64() < deadline) Sleep(30);
    };
    until([&] { return !GetUpdateRect(w, nullptr, FALSE) && !GetUpdateRect(GetParent(w), nullptr, FALSE); });
    std::vector<DWORD> last = screenPixels(r);
    int same = 0;
    until([&] {
        std::vector<DWORD> now = screenPixels(r);
        same = now == last ? same + 1 : 0;
        last = std::move(now);
        return same >= 6;
    });
    return last;
}
