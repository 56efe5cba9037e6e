#pragma once
// The tray as the shell drives it, for the drivers: the icon's callback sent
// from this process with SendNotifyMessage (the shell does not post it), in
// the version-4 form that the program asks for and Wine's tray speaks then
// (the anchor in wParam, the event and the icon's id in lParam, and after a
// left or right click the shell's NIN_SELECT or WM_CONTEXTMENU), and an item
// of the menu it opens chosen by its access key.
#include <windows.h>

#include <cstddef>

namespace tray_input {

constexpr UINT kCallback = WM_USER;
constexpr WORD kIconId = 1;
constexpr UINT kNinSelect = WM_USER, kNinKeySelect = WM_USER + 1;

// The middle of the first icon in Wine's notification area, the "Wine
// System Tray" window it shows on a display without a desktop shell (its
// icons sit in a row of squares along the client area's top); false
// without one.
inline bool iconPoint(POINT& middle) {
    HWND tray = FindWindowA(nullptr, "Wine System Tray");
    RECT client{};
    if (tray == nullptr || !GetClientRect(tray, &client) || client.bottom <= 0) return false;
    middle = {client.bottom / 2, client.bottom / 2};
    return ClientToScreen(tray, &middle) != FALSE;
}

// One callback as the shell sends it, anchored at the icon (where the
// cursor is when there is none to be found).
inline bool event(HWND window, UINT message) {
    POINT at{};
    if (!iconPoint(at)) GetCursorPos(&at);
    return SendNotifyMessageA(window, kCallback, MAKEWPARAM(static_cast<WORD>(at.x), static_cast<WORD>(at.y)),
                              MAKELPARAM(message, kIconId)) != FALSE;
}

// What the shell sends for a press on the icon and its release, or for a
// double click: the first press and release, then WM_LBUTTONDBLCLK and the
// second release; each left release followed by NIN_SELECT, a right one by
// WM_CONTEXTMENU. A key on the icon (NIN_KEYSELECT, WM_CONTEXTMENU) is sent
// alone.
inline bool send(HWND window, UINT mouseMessage) {
    if (mouseMessage == kNinKeySelect || mouseMessage == WM_CONTEXTMENU) return event(window, mouseMessage);
    const bool right = mouseMessage == WM_RBUTTONDOWN;
    const UINT release = right ? WM_RBUTTONUP : WM_LBUTTONUP;
    const UINT after = right ? WM_CONTEXTMENU : kNinSelect;
    const UINT sequence[] = {WM_LBUTTONDOWN, WM_LBUTTONUP, kNinSelect, mouseMessage, release, after};
    for (std::size_t i = mouseMessage == WM_LBUTTONDBLCLK ? 0 : 3; i < 6; ++i)
        if (!event(window, sequence[i])) return false;
    return true;
}

struct MenuSearch {
    DWORD process;
    HWND found;
};

inline BOOL CALLBACK findMenu(HWND w, LPARAM param) {
    auto* search = reinterpret_cast<MenuSearch*>(param);
    char cls[16] = {};
    GetClassNameA(w, cls, sizeof cls);
    DWORD owner = 0;
    GetWindowThreadProcessId(w, &owner);
    if (lstrcmpA(cls, "#32768") != 0 || owner != search->process || !IsWindowVisible(w)) return TRUE;
    search->found = w;
    return FALSE;
}

// The pop-up menu that the program owning `window` shows, if any.
inline HWND openMenu(HWND window) {
    MenuSearch search{0, nullptr};
    GetWindowThreadProcessId(window, &search.process);
    if (search.process != 0) EnumWindows(findMenu, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

inline bool waitMenu(HWND window, bool open, double seconds) {
    const DWORD deadline = GetTickCount() + static_cast<DWORD>(seconds * 1000);
    for (;;) {
        if ((openMenu(window) != nullptr) == open) return true;
        if (static_cast<LONG>(GetTickCount() - deadline) >= 0) return false;
        Sleep(20);
    }
}

// Closes the open menu without a choice, as Escape does.
inline bool dismiss(HWND window) {
    const HWND menu = openMenu(window);
    return menu != nullptr && PostMessageA(menu, WM_KEYDOWN, VK_ESCAPE, 1) && waitMenu(window, false, 10);
}

// A press of `button` (WM_LBUTTONDOWN or WM_RBUTTONDOWN) on the icon, then
// the item with access key `key` chosen from the menu it opens; true once
// the menu has closed again.
inline bool choose(HWND window, UINT button, char key, double seconds) {
    if (!send(window, button) || !waitMenu(window, true, seconds)) return false;
    PostMessageA(openMenu(window), WM_CHAR, static_cast<unsigned char>(key), 1);
    return waitMenu(window, false, seconds);
}

}  // namespace tray_input
