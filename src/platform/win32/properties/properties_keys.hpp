#pragma once
// The keyboard of the properties window where the dialog manager's own walk
// does not fit a page control: Tab and Shift+Tab go round the page tabs, the
// shown page's controls, then OK, キャンセル and 設定の更新; Ctrl+Tab,
// Ctrl+Shift+Tab, Ctrl+PageDown and Ctrl+PageUp switch pages from anywhere in
// the window. The arrow keys, Space and the access keys stay with the dialog
// manager (IsDialogMessage), which hands every message to this object first
// through a message-filter hook of the thread.
#include <windows.h>

#include <vector>

#include "platform/win32/handles/unique_handle.hpp"

using UniqueHook = UniqueHandle<NullHandleTraits<HHOOK, &UnhookWindowsHookEx>>;

class PropertiesKeys {
public:
    // `buttons` in their tab order, after the shown page. One object per
    // thread at a time.
    PropertiesKeys(HWND top, HWND pageControl, std::vector<HWND> buttons);
    ~PropertiesKeys();
    PropertiesKeys(const PropertiesKeys&) = delete;
    PropertiesKeys& operator=(const PropertiesKeys&) = delete;

    // True when the key was one of ours and has been handled.
    bool handleKey(const MSG& msg);

private:
    static LRESULT CALLBACK messageFilter(int code, WPARAM wParam, LPARAM lParam);
    void moveFocus(bool backward);
    void switchPage(bool backward);
    std::vector<HWND> tabSequence() const;

    HWND top_;
    HWND pageControl_;
    std::vector<HWND> buttons_;
    UniqueHook hook_;
};
