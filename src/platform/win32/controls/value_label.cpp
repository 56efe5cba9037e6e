#include "platform/win32/controls/value_label.hpp"

#include "platform/win32/handles/gdi_scopes.hpp"

ValueLabel::ValueLabel(HWND parent, int x, int y, int width, int height, HFONT font) : font_(font) {
    registerClass(kClassName, nullptr);
    createWindow(0, kClassName, "", WS_CHILD | WS_VISIBLE, x, y, width, height, parent);
}

ValueLabel::~ValueLabel() {
    if (hwnd() != nullptr) destroyOwnWindow(hwnd());
}

void ValueLabel::setText(const std::string& text) {
    if (hwnd() != nullptr) SetWindowTextA(hwnd(), text.c_str());
}

LRESULT ValueLabel::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: return onPaint();
        case WM_GETFONT: return reinterpret_cast<LRESULT>(font_);
        case WM_SETFONT:
            font_ = reinterpret_cast<HFONT>(wParam);
            if (LOWORD(lParam) != 0) InvalidateRect(hwnd(), nullptr, TRUE);
            return 0;
        case WM_SETTEXT: {
            const LRESULT result = defaultHandling(message, wParam, lParam);
            InvalidateRect(hwnd(), nullptr, TRUE);
            return result;
        }
        default: return defaultHandling(message, wParam, lParam);
    }
}

LRESULT ValueLabel::onPaint() {
    const ScopedPaint paint(hwnd());
    const int length = GetWindowTextLengthA(hwnd());
    std::string text(static_cast<std::size_t>(length > 0 ? length : 0) + 1, '\0');
    const int copied = GetWindowTextA(hwnd(), text.data(), static_cast<int>(text.size()));
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    RECT r{};
    GetClientRect(hwnd(), &r);
    const ScopedSelectObject font(paint.get(), font_);
    SetBkMode(paint.get(), TRANSPARENT);
    SetTextColor(paint.get(), GetSysColor(COLOR_BTNTEXT));
    // Without DT_NOCLIP the text is cut at the label's edges; centred, a
    // text wider than the label loses as much on the left as on the right.
    DrawTextA(paint.get(), text.c_str(), static_cast<int>(text.size()), &r, DT_SINGLELINE | DT_CENTER | DT_NOPREFIX);
    return 0;
}
