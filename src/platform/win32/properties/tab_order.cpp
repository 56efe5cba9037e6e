#include "platform/win32/properties/tab_order.hpp"

#include <commctrl.h>

HWND pageAt(HWND pageControl, int index) {
    TCITEMA item{};
    item.mask = TCIF_PARAM;
    if (!SendMessageA(pageControl, TCM_GETITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)))
        return nullptr;
    return reinterpret_cast<HWND>(item.lParam);
}

HWND nextInTabOrder(HWND top, HWND w) {
    if (HWND first = GetWindow(w, GW_CHILD)) return first;
    for (; w != nullptr && w != top; w = GetParent(w))
        if (HWND next = GetWindow(w, GW_HWNDNEXT)) return next;
    return nullptr;
}

bool canTakeFocus(HWND top, HWND w) {
    if ((GetWindowLongA(w, GWL_STYLE) & WS_TABSTOP) == 0) return false;
    for (; w != nullptr && w != top; w = GetParent(w)) {
        const LONG style = GetWindowLongA(w, GWL_STYLE);
        if ((style & WS_VISIBLE) == 0 || (style & WS_DISABLED) != 0) return false;
    }
    return w == top;
}

HWND selectedPage(HWND pageControl) {
    return pageAt(pageControl, static_cast<int>(SendMessageA(pageControl, TCM_GETCURSEL, 0, 0)));
}

void selectPropertiesPage(HWND pageControl, int index) {
    if (static_cast<int>(SendMessageA(pageControl, TCM_GETCURSEL, 0, 0)) != index)
        SendMessageA(pageControl, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
    const int count = static_cast<int>(SendMessageA(pageControl, TCM_GETITEMCOUNT, 0, 0));
    HWND shown = nullptr;
    for (int i = 0; i < count; ++i) {
        TCITEMA item{};
        item.mask = TCIF_PARAM;
        SendMessageA(pageControl, TCM_GETITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
        HWND page = reinterpret_cast<HWND>(item.lParam);
        if (page == nullptr) continue;
        if (i == index) shown = page;
        else ShowWindow(page, SW_HIDE);
    }
    if (shown != nullptr) ShowWindow(shown, SW_SHOWNA);
}

HWND firstTabStopAfter(HWND top, HWND marker) {
    if (marker == nullptr || (marker != top && !IsChild(top, marker))) return nullptr;
    for (HWND w = nextInTabOrder(top, marker); w != nullptr; w = nextInTabOrder(top, w))
        if (canTakeFocus(top, w)) return w;
    return nullptr;
}

HWND findControl(HWND top, int id) {
    for (HWND w = GetWindow(top, GW_CHILD); w != nullptr; w = nextInTabOrder(top, w))
        if (GetDlgCtrlID(w) == id) return w;
    return nullptr;
}
