#include "platform/win32/properties/win32_properties_view.hpp"

#include "platform/win32/properties/properties_control_ids.hpp"
#include "platform/win32/properties/properties_panel.hpp"
#include "platform/win32/properties/tab_order.hpp"

void Win32PropertiesView::activateFirstPage() {
    if (HWND pageControl = findControl(window_, kIdPageControl)) selectPropertiesPage(pageControl, 0);
}

void Win32PropertiesView::focusPrefixBox() {
    HWND target = firstTabStopAfter(window_, findControl(window_, kIdFileNameGroup));
    if (target == nullptr) return;
    if (IsWindowVisible(window_)) {
        SetFocus(target);
        return;
    }
    if (HWND root = findControl(window_, kIdRootPanel))
        PostMessageA(root, PropertiesPanel::kFocusWhenShown, reinterpret_cast<WPARAM>(target), 0);
}
