#include "platform/win32/properties/properties_panel.hpp"

#include "platform/win32/controls/control_binding.hpp"
#include "platform/win32/handles/gdi_scopes.hpp"
#include "platform/win32/properties/properties_control_ids.hpp"

namespace {
constexpr const char* kClassName = "OrvexLogPanel";
}

PropertiesPanel::PropertiesPanel(HWND parent, int id, const RECT& bounds, Look look, const char* caption,
                                 HFONT font, ControlBinding& binding)
    : look_(look), binding_(binding) {
    registerClass(kClassName, nullptr);
    createWindow(WS_EX_CONTROLPARENT, kClassName, "", WS_CHILD | WS_VISIBLE, bounds.left,
                 bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, parent);
    if (hwnd() == nullptr) return;
    SetWindowLongPtrA(hwnd(), GWLP_ID, id);
    if (look == Look::GroupBox) {
        // The system's own group box draws the frame and caption, in the look
        // of the running system; it lets the mouse through to the controls.
        // It starts a group of its own so that the arrow keys never stop on
        // it.
        frame_ = createChild(hwnd(), "BUTTON", caption, BS_GROUPBOX | WS_GROUP | WS_CLIPSIBLINGS, 0, 0,
                             bounds.right - bounds.left, bounds.bottom - bounds.top, kIdGroupFrame, font);
    }
}

PropertiesPanel::~PropertiesPanel() {
    if (hwnd() != nullptr) destroyOwnWindow(hwnd());
}

void PropertiesPanel::frameBehindControls() {
    if (frame_ != nullptr)
        SetWindowPos(frame_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

LRESULT PropertiesPanel::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND: return onCommand(wParam, lParam);
        case WM_HSCROLL:
        case WM_VSCROLL: return onScroll(message, wParam, lParam);
        case WM_NOTIFY: return onNotify(wParam, lParam);
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN: return onColor(wParam);
        case WM_PAINT: return onPaint();
        case kFocusWhenShown: return onFocusWhenShown(wParam);
        case WM_SIZE:
            // The group box's frame fills the container at any size.
            if (frame_ != nullptr)
                SetWindowPos(frame_, nullptr, 0, 0, LOWORD(lParam), HIWORD(lParam),
                             SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
            return 0;
        case WM_SETFONT:
            if (frame_ != nullptr) SendMessageA(frame_, WM_SETFONT, wParam, lParam);
            return 0;
        default: return defaultHandling(message, wParam, lParam);
    }
}

LRESULT PropertiesPanel::onCommand(WPARAM wParam, LPARAM lParam) {
    const HWND control = reinterpret_cast<HWND>(lParam);
    if (control == nullptr || !binding_.routeCommand(control, HIWORD(wParam)))
        return defaultHandling(WM_COMMAND, wParam, lParam);
    return 0;
}

LRESULT PropertiesPanel::onScroll(UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND control = reinterpret_cast<HWND>(lParam);
    if (control == nullptr || !binding_.routeScroll(control)) return defaultHandling(message, wParam, lParam);
    return 0;
}

LRESULT PropertiesPanel::onNotify(WPARAM wParam, LPARAM lParam) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header == nullptr || !binding_.routeNotify(header->hwndFrom, header->code))
        return defaultHandling(WM_NOTIFY, wParam, lParam);
    return 0;
}

LRESULT PropertiesPanel::onColor(WPARAM wParam) {
    const HDC dc = reinterpret_cast<HDC>(wParam);
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

LRESULT PropertiesPanel::onPaint() {
    const ScopedPaint paint(hwnd());
    if (look_ == Look::Bevel) {
        RECT r{};
        GetClientRect(hwnd(), &r);
        DrawEdge(paint.get(), &r, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
        DrawEdge(paint.get(), &r, BDR_RAISEDINNER, BF_RECT);
    }
    return 0;
}

LRESULT PropertiesPanel::onFocusWhenShown(WPARAM wParam) {
    const HWND control = reinterpret_cast<HWND>(wParam);
    if (IsWindow(control) && IsWindowVisible(control)) SetFocus(control);
    return 0;
}
