#include "platform/win32/controls/link_label.hpp"

#include "platform/win32/controls/control_binding.hpp"
#include "platform/win32/handles/gdi_scopes.hpp"
#include "platform/win32/window/cursor_table.hpp"

namespace {
constexpr const char* kClassName = "OrvexLogLinkLabel";
// The slot where start-up puts the hand cursor of the program's resources.
constexpr int kHandCursorSlot = 1;
}  // namespace

LinkLabel::LinkLabel(HWND parent, int id, const char* caption, int x, int y, HFONT font) : font_(font) {
    registerClass(kClassName, nullptr);
    createWindow(0, kClassName, caption, WS_CHILD | WS_VISIBLE | WS_GROUP, x, y, 0, 0, parent);
    if (hwnd() == nullptr) return;
    SetWindowLongPtrA(hwnd(), GWLP_ID, id);
    fitLabelToCaption(hwnd(), false);
}

LinkLabel::~LinkLabel() {
    if (hwnd() != nullptr) destroyOwnWindow(hwnd());
}

LRESULT LinkLabel::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: return onPaint();
        case WM_GETFONT: return reinterpret_cast<LRESULT>(font_);
        case WM_SETFONT:
            font_ = reinterpret_cast<HFONT>(wParam);
            if (LOWORD(lParam) != 0) InvalidateRect(hwnd(), nullptr, TRUE);
            return 0;
        case WM_SETCURSOR: return onSetCursor(wParam, lParam);
        case WM_LBUTTONDOWN: return onButtonDown();
        case WM_LBUTTONUP: return onButtonUp(lParam);
        case WM_CAPTURECHANGED:
            pressed_ = false;
            return 0;
        default: return defaultHandling(message, wParam, lParam);
    }
}

LRESULT LinkLabel::onPaint() {
    const ScopedPaint paint(hwnd());
    const ScopedSelectObject font(paint.get(), font_);
    RECT r{};
    GetClientRect(hwnd(), &r);
    char caption[256] = {};
    GetWindowTextA(hwnd(), caption, sizeof caption);
    SetTextColor(paint.get(), kLinkColor);
    SetBkMode(paint.get(), TRANSPARENT);
    DrawTextA(paint.get(), caption, -1, &r, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
    return 0;
}

LRESULT LinkLabel::onSetCursor(WPARAM wParam, LPARAM lParam) {
    if (LOWORD(lParam) != HTCLIENT) return defaultHandling(WM_SETCURSOR, wParam, lParam);
    HCURSOR hand = cursorSlot(kHandCursorSlot);
    SetCursor(hand != nullptr ? hand : LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW)));
    return TRUE;
}

LRESULT LinkLabel::onButtonDown() {
    pressed_ = true;
    SetCapture(hwnd());
    return 0;
}

LRESULT LinkLabel::onButtonUp(LPARAM lParam) {
    const bool wasPressed = pressed_;
    if (GetCapture() == hwnd()) ReleaseCapture();  // clears pressed_
    RECT r{};
    GetClientRect(hwnd(), &r);
    const POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    if (wasPressed && PtInRect(&r, at) && onClick) onClick();
    return 0;
}
