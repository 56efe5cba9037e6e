#include "platform/win32/tray/win32_tray.hpp"

#include <shellapi.h>

#include <cstdlib>
#include <cstdint>
#include <cstring>

#include "platform/win32/handles/unique_handle.hpp"
#include "platform/win32/tray/menu_ids.hpp"
#include "platform/win32/window/message_step.hpp"
#include "text/texts.hpp"

// A menu of the icon while it is open. The left menu keeps the press that
// opened it: the menu takes every press, so the second press of a double
// click on the icon reaches the menu loop and never the shell.
struct MenuWatch {
    bool hasFirstPress;
    POINT at;
    DWORD time;
    bool secondSeen;
    // The program asked the menu to close. Asked while the menu is still on
    // its way (the shell's double-click message is handled while the menu
    // sets itself up), EndMenu is forgotten once the menu loop starts; the
    // loop's filter asks again.
    bool closeWanted;
    bool escaped;  // Esc closed it
};
namespace {
// The record in its first, 88-byte form, which every shell understands.
NOTIFYICONDATAA iconRecord(HWND window) {
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = window;
    data.uID = Win32Tray::kIconId;
    return data;
}

void appendItem(HMENU menu, unsigned id, const char* caption) {
    AppendMenuA(menu, MF_STRING, id, caption);
}

thread_local MenuWatch* t_menu = nullptr;

// A press from before the earlier one counts as within the time.
bool withinDoubleClick(POINT earlierAt, DWORD earlierTime, POINT at, DWORD time) {
    return static_cast<LONG>(time - earlierTime) <= static_cast<LONG>(GetDoubleClickTime()) &&
           std::abs(at.x - earlierAt.x) <= GetSystemMetrics(SM_CXDOUBLECLK) / 2 &&
           std::abs(at.y - earlierAt.y) <= GetSystemMetrics(SM_CYDOUBLECLK) / 2;
}

bool makesDoubleClick(const MenuWatch& menu, const MSG& msg) {
    if (!menu.hasFirstPress || (msg.message != WM_LBUTTONDOWN && msg.message != WM_NCLBUTTONDOWN &&
                                msg.message != WM_LBUTTONDBLCLK && msg.message != WM_NCLBUTTONDBLCLK))
        return false;
    return withinDoubleClick(menu.at, menu.time, msg.pt, msg.time);
}

LRESULT CALLBACK menuFilter(int code, WPARAM wParam, LPARAM lParam) {
    const auto* msg = reinterpret_cast<const MSG*>(lParam);
    if (code == MSGF_MENU && t_menu != nullptr) {
        if (t_menu->closeWanted) EndMenu();
        if (msg->message == WM_KEYDOWN && msg->wParam == VK_ESCAPE) t_menu->escaped = true;
        if (!t_menu->secondSeen && makesDoubleClick(*t_menu, *msg)) {
            t_menu->secondSeen = true;
            EndMenu();
            return TRUE;  // the menu loop drops the press
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

WORD lowWord(std::uintptr_t v) { return static_cast<WORD>(v & 0xFFFFu); }
}  // namespace

void Win32Tray::closeMenu() {
    if (t_menu != nullptr) t_menu->closeWanted = true;
    EndMenu();
    // Wakes the menu loop, whose filter then closes a menu that was still
    // on its way.
    PostMessageA(application_, WM_NULL, 0, 0);
}

bool Win32Tray::addIcon(const std::string& tip) {
    NOTIFYICONDATAA data = iconRecord(properties_);
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = WM_USER;
    // A temporary copy of the window's icon; the shell keeps its own image.
    UniqueIcon copy(CopyIcon(icon_));
    data.hIcon = copy.get();
    std::strncpy(data.szTip, tip.c_str(), sizeof data.szTip - 1);
    // A busy shell may time out on an add that it carries out all the same;
    // an icon that is there already can be modified.
    if (!Shell_NotifyIconA(NIM_ADD, &data) && !Shell_NotifyIconA(NIM_MODIFY, &data)) return false;
    // Asked after every add: the shell forgets it with the icon. The version
    // is a member of the record's second form.
    NOTIFYICONDATAA version = iconRecord(properties_);
    version.cbSize = NOTIFYICONDATAA_V2_SIZE;
    version.uVersion = NOTIFYICON_VERSION_4;
    version4_ = Shell_NotifyIconA(NIM_SETVERSION, &version) != FALSE;
    return true;
}

bool Win32Tray::decode(std::uintptr_t wParam, std::intptr_t lParam, TrayEvent& event) {
    const auto l = static_cast<std::uintptr_t>(lParam);
    event.message = lowWord(l);
    if (!version4_) {
        event.press = pressNow();
        return wParam == kIconId;
    }
    // The anchor: signed screen coordinates, as on a second monitor left of
    // the first.
    event.press = {{static_cast<SHORT>(lowWord(wParam)), static_cast<SHORT>(lowWord(wParam >> 16))}, GetTickCount()};
    return lowWord(l >> 16) == kIconId;
}

bool Win32Tray::sameGesture(const TrayPress& earlier, const TrayPress& later) {
    return withinDoubleClick({earlier.at.x, earlier.at.y}, earlier.time, {later.at.x, later.at.y}, later.time);
}

void Win32Tray::focusNotificationArea() {
    NOTIFYICONDATAA data = iconRecord(properties_);
    Shell_NotifyIconA(NIM_SETFOCUS, &data);
}

void Win32Tray::removeIcon() {
    NOTIFYICONDATAA data = iconRecord(properties_);
    Shell_NotifyIconA(NIM_DELETE, &data);
}

TrayPress Win32Tray::pressNow() {
    POINT p{};
    GetCursorPos(&p);
    return {{p.x, p.y}, GetTickCount()};
}

void Win32Tray::foregroundAndProcessMessages() {
    SetForegroundWindow(application_);
    MSG msg;
    while (takeMessage(msg)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        dispatchMessage(msg);
    }
}

TrayMenuItem Win32Tray::track(HMENU menu, ScreenPoint at, MenuWatch& watch) {
    MenuWatch* const outer = t_menu;
    t_menu = &watch;
    const UniqueHook filter(SetWindowsHookExA(WH_MSGFILTER, menuFilter, nullptr, GetCurrentThreadId()));
    const UINT id = static_cast<UINT>(TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD, at.x,
                                                     at.y, 0, application_, nullptr));
    t_menu = outer;
    // Lets the menu close properly when the user clicks elsewhere.
    PostMessageA(application_, WM_NULL, 0, 0);
    switch (id) {
        case kCmdAutoSave: return TrayMenuItem::AutoSave;
        case kCmdSave: return TrayMenuItem::Save;
        case kCmdProperties: return TrayMenuItem::Properties;
        case kCmdExit: return TrayMenuItem::Exit;
        default: break;
    }
    if (watch.secondSeen) return TrayMenuItem::SecondPress;
    return watch.escaped ? TrayMenuItem::Cancelled : TrayMenuItem::None;
}

TrayMenuItem Win32Tray::openLeftMenu(const TrayPress& press, bool autoSaveVisible, bool autoSaveChecked) {
    UniqueMenu menu(CreatePopupMenu());
    if (autoSaveVisible) {
        AppendMenuA(menu.get(), MF_STRING | (autoSaveChecked ? MF_CHECKED : MF_UNCHECKED), kCmdAutoSave,
                    txt::kMenuAutoSave);
        AppendMenuA(menu.get(), MF_SEPARATOR, 0, nullptr);
    }
    appendItem(menu.get(), kCmdSave, txt::kMenuSave);
    MenuWatch watch{true, {press.at.x, press.at.y}, press.time, false, false, false};
    return track(menu.get(), press.at, watch);
}

TrayMenuItem Win32Tray::openRightMenu(ScreenPoint at) {
    UniqueMenu menu(CreatePopupMenu());
    appendItem(menu.get(), kCmdProperties, txt::kMenuProperties);
    AppendMenuA(menu.get(), MF_SEPARATOR, 0, nullptr);
    appendItem(menu.get(), kCmdExit, txt::kMenuExit);
    MenuWatch watch{false, {at.x, at.y}, 0, false, false, false};
    return track(menu.get(), at, watch);
}
