#pragma once
// The notification-area icon and its two pop-up menus.
#include <string>

struct ScreenPoint {
    int x = 0, y = 0;
};

// Where and when a press on the icon was made. The shell's callback carries
// neither, so both are read as its message arrives, before anything else:
// a press handled later (after a step of a save) still acts where and when
// it was made.
struct TrayPress {
    ScreenPoint at;
    unsigned long time = 0;  // milliseconds, GetTickCount's clock
};

// An item chosen from a tray menu; separators are never chosen.
// SecondPress: no item, the left menu was closed by a second press on the
// icon that makes a double click with the press that opened it.
enum class TrayMenuItem { None, AutoSave, Save, Properties, Exit, SecondPress };

class TrayPort {
public:
    virtual ~TrayPort() = default;
    // Shell_NotifyIconA(NIM_ADD): the properties window, identifier 1,
    // NIF_MESSAGE | NIF_ICON | NIF_TIP, callback WM_USER, a copy of the
    // window's own icon (released right after the call) and `tip`. True when
    // the icon is in the notification area afterwards; a shell still busy
    // starting refuses the add.
    virtual bool addIcon(const std::string& tip) = 0;
    // Shell_NotifyIconA(NIM_DELETE) with the properties window and identifier 1.
    virtual void removeIcon() = 0;
    // GetCursorPos and GetTickCount, as a press's message arrives.
    virtual TrayPress pressNow() = 0;
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
    // The shell's WM_LBUTTONDBLCLK (made as `press`) ran its action on its
    // own, its first press having been one the program already took (a
    // press whose menu was dismissed). The shell then reports the double
    // click's second press as a plain press: pressEndsDoubleClick tells
    // whether a left press comes within the system's double-click time and
    // rectangle of that mark, which it uses up.
    virtual void markDoubleClick(const TrayPress& press) = 0;
    virtual bool pressEndsDoubleClick(const TrayPress& press) = 0;
};
