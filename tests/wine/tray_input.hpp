#pragma once
// The tray as the shell drives it, for the drivers: the icon's callback sent
// from this process with SendNotifyMessage (the shell does not post it), and
// an item of the menu it opens chosen by its access key.
#include <windows.h>

#include <cstddef>

namespace tray_input {

constexpr UINT kCallback = WM_USER;
constexpr WPARAM kIconId = 1;

// What the shell sends for a press on the icon and its release, or for a
// double click: the first press and release, then WM_LBUTTONDBLCLK and the
// second release.
inline bool send(HWND window, UINT mouseMessage) {
    const UINT release = mouseMessage == WM_RBUTTONDOWN ? WM_RBUTTONUP : WM_LBUTTONUP;
    const bool twice = mouseMessage == WM_LBUTTONDBLCLK;
    const UINT sequence[] = {WM_LBUTTONDOWN, WM_LBUTTONUP, mouseMessage, release};
    for (std::size_t i = twice ? 0 : 2; i < 4; ++i)
        if (!SendNotifyMessageA(window, kCallback, kIconId, sequence[i])) return false;
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
