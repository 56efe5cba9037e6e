#pragma once
// The notification-area icon and its two pop-up menus.
#include <cstdint>
#include <string>

struct ScreenPoint {
    int x = 0, y = 0;
};

// Where and when a press on the icon was made: where the shell says (its
// version-4 protocol gives the icon's place as the anchor) or the cursor,
// and when its message arrived. Both are taken as it arrives, so a press
// handled later (after a step of a save) still acts where and when it was
// made.
struct TrayPress {
    ScreenPoint at;
    unsigned long time = 0;  // milliseconds, GetTickCount's clock
};

// One callback of our icon: the mouse message or the shell's notice
// (kNinSelect, kNinKeySelect, kWmContextMenu), and its press.
struct TrayEvent {
    unsigned message = 0;
    TrayPress press;
    unsigned long arrival = 0;  // its place among the icon's messages, as they arrived
};

// An item chosen from a tray menu; separators are never chosen.
// SecondPress: no item, the left menu was closed by a second press on the
// icon that makes a double click with the press that opened it. Cancelled:
// no item, the menu was closed with Esc.
enum class TrayMenuItem { None, AutoSave, Save, Properties, Exit, SecondPress, Cancelled };

class TrayPort {
public:
    virtual ~TrayPort() = default;
    // Shell_NotifyIconA(NIM_ADD): the properties window, identifier 1,
    // NIF_MESSAGE | NIF_ICON | NIF_TIP, callback WM_USER, a copy of the
    // window's own icon (released right after the call) and `tip`; then
    // NIM_SETVERSION with NOTIFYICON_VERSION_4, whose shell lets the
    // keyboard reach the icon (one that refuses keeps the first protocol).
    // True when the icon is in the notification area afterwards; a shell
    // still busy starting refuses the add.
    virtual bool addIcon(const std::string& tip) = 0;
    // Shell_NotifyIconA(NIM_DELETE) with the properties window and identifier 1.
    virtual void removeIcon() = 0;
    // A WM_USER callback as it arrives, in the protocol the shell speaks:
    // the event in the low word of lParam; in version 4 the icon's id in its
    // high word and the anchor in wParam, else the id in wParam and the
    // cursor read now. False for a message that is not our icon's.
    virtual bool decode(std::uintptr_t wParam, std::intptr_t lParam, TrayEvent& event) = 0;
    // Whether `later` comes within the system's double-click time and
    // rectangle of `earlier`.
    virtual bool sameGesture(const TrayPress& earlier, const TrayPress& later) = 0;
    // Shell_NotifyIconA(NIM_SETFOCUS): a menu closed with Esc hands the
    // keyboard back to the notification area.
    virtual void focusNotificationArea() = 0;
    // SetForegroundWindow on the application window, then every message that
    // is waiting is processed (ticks and tray messages may run here).
    virtual void foregroundAndProcessMessages() = 0;
    // LBPopupMenu ("自動保存(&A)", separator, "保存(&S)") left-aligned where
    // `press` was made, items selectable with either button. The auto-save
    // item and the separator are both shown or both hidden; `autoSaveChecked`
    // is the item's check mark. Returns once the menu has closed (messages
    // keep flowing while it is open) with the item chosen; the caller runs
    // its handler. A left press within the system's double-click time and
    // rectangle of `press` closes it with SecondPress.
    virtual TrayMenuItem openLeftMenu(const TrayPress& press, bool autoSaveVisible, bool autoSaveChecked) = 0;
    // RBPopupMenu ("プロパティ(&R)", separator, "終了(&X)"), as above.
    virtual TrayMenuItem openRightMenu(ScreenPoint at) = 0;
    // Closes the open menu, if any, without a choice (EndMenu).
    virtual void closeMenu() = 0;
};
