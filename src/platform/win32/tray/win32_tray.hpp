#pragma once
// tray/: the tray icon, its menus, the application window. Uses window/, handles/, the ports, text/.
//
// The notification-area icon and the two tray menus.
#include <windows.h>

#include "ports/tray_port.hpp"

struct MenuWatch;

class Win32Tray : public TrayPort {
public:
    // The identifier of our one icon; its callback messages carry it in
    // wParam. WM_USER with any other value comes from elsewhere.
    static constexpr UINT kIconId = 1;

    // propertiesWindow receives the icon's callback messages; the menus open
    // for the application window, which is brought to the foreground first.
    Win32Tray(HWND propertiesWindow, HWND applicationWindow, HICON windowIcon)
        : properties_(propertiesWindow), application_(applicationWindow), icon_(windowIcon) {}

    bool addIcon(const std::string& tip) override;
    void removeIcon() override;
    bool decode(std::uintptr_t wParam, std::intptr_t lParam, TrayEvent& event) override;
    bool sameGesture(const TrayPress& earlier, const TrayPress& later) override;
    void focusNotificationArea() override;
    void foregroundAndProcessMessages() override;
    TrayMenuItem openLeftMenu(const TrayPress& press, bool autoSaveVisible, bool autoSaveChecked) override;
    TrayMenuItem openRightMenu(ScreenPoint at) override;
    void closeMenu() override;
    // The cursor and the time now: where and when a press of the first
    // protocol was made, whose callback carries neither.
    static TrayPress pressNow();

private:
    TrayMenuItem track(HMENU menu, ScreenPoint at, MenuWatch& watch);

    HWND properties_;
    HWND application_;
    HICON icon_;
    bool version4_ = false;  // the shell took NOTIFYICON_VERSION_4
};
