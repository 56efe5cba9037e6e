#include "platform/win32/tray/win32_tray.hpp"

#include <shellapi.h>

#include <cstdlib>
#include <cstring>
#include <utility>

#include "platform/win32/handles/unique_handle.hpp"
#include "platform/win32/tray/menu_ids.hpp"
#include "platform/win32/window/message_step.hpp"
#include "text/texts.hpp"

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

// The press that opened the left menu, while it is open: the menu takes
// every press, so the second press of a double click on the icon reaches the
// menu loop and never the shell.
struct FirstPress {
    POINT at;
    DWORD time;
    bool secondSeen;
    // The program asked the menu to close. Asked while the menu is still on
    // its way (the shell's double-click message is handled while the menu
    // sets itself up), EndMenu is forgotten once the menu loop starts; the
    // loop's filter asks again.
    bool closeWanted;
};
thread_local FirstPress* t_firstPress = nullptr;

// A press from before the earlier one counts as within the time.
bool withinDoubleClick(POINT earlierAt, DWORD earlierTime, POINT at, DWORD time) {
    return static_cast<LONG>(time - earlierTime) <= static_cast<LONG>(GetDoubleClickTime()) &&
           std::abs(at.x - earlierAt.x) <= GetSystemMetrics(SM_CXDOUBLECLK) / 2 &&
           std::abs(at.y - earlierAt.y) <= GetSystemMetrics(SM_CYDOUBLECLK) / 2;
}

bool makesDoubleClick(const FirstPress& first, const MSG& msg) {
    if (msg.message != WM_LBUTTONDOWN && msg.message != WM_NCLBUTTONDOWN && msg.message != WM_LBUTTONDBLCLK &&
        msg.message != WM_NCLBUTTONDBLCLK)
        return false;
    return withinDoubleClick(first.at, first.time, msg.pt, msg.time);
}

LRESULT CALLBACK menuFilter(int code, WPARAM wParam, LPARAM lParam) {
    const auto* msg = reinterpret_cast<const MSG*>(lParam);
    if (code == MSGF_MENU && t_firstPress != nullptr && t_firstPress->closeWanted) EndMenu();
    if (code == MSGF_MENU && t_firstPress != nullptr && !t_firstPress->secondSeen &&
        makesDoubleClick(*t_firstPress, *msg)) {
        t_firstPress->secondSeen = true;
        EndMenu();
        return TRUE;  // the menu loop drops the press
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
}  // namespace

void Win32Tray::closeMenu() {
    if (t_firstPress != nullptr) t_firstPress->closeWanted = true;
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
    if (Shell_NotifyIconA(NIM_ADD, &data)) return true;
    // A busy shell may time out on an add that it carries out all the same;
    // an icon that is there already can be modified.
    return Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE;
}

void Win32Tray::removeIcon() {
    NOTIFYICONDATAA data = iconRecord(properties_);
    Shell_NotifyIconA(NIM_DELETE, &data);
}

TrayPress Win32Tray::pressNow() {
    // The shell's callback carries no time, and its press happened at the
    // latest when it arrived.
    POINT p{};
    GetCursorPos(&p);
    return {{p.x, p.y}, GetTickCount()};
}

void Win32Tray::markDoubleClick(const TrayPress& press) {
    doubleClick_ = press;
    doubleClickSet_ = true;
}

bool Win32Tray::pressEndsDoubleClick(const TrayPress& press) {
    if (!std::exchange(doubleClickSet_, false)) return false;
    return withinDoubleClick({doubleClick_.at.x, doubleClick_.at.y}, doubleClick_.time, {press.at.x, press.at.y},
                             press.time);
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

TrayMenuItem Win32Tray::track(HMENU menu, ScreenPoint at) {
    const UINT id = static_cast<UINT>(TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD, at.x,
                                                     at.y, 0, application_, nullptr));
    // Lets the menu close properly when the user clicks elsewhere.
    PostMessageA(application_, WM_NULL, 0, 0);
    switch (id) {
        case kCmdAutoSave: return TrayMenuItem::AutoSave;
        case kCmdSave: return TrayMenuItem::Save;
        case kCmdProperties: return TrayMenuItem::Properties;
        case kCmdExit: return TrayMenuItem::Exit;
        default: return TrayMenuItem::None;
    }
}

TrayMenuItem Win32Tray::openLeftMenu(const TrayPress& press, bool autoSaveVisible, bool autoSaveChecked) {
    UniqueMenu menu(CreatePopupMenu());
    if (autoSaveVisible) {
        AppendMenuA(menu.get(), MF_STRING | (autoSaveChecked ? MF_CHECKED : MF_UNCHECKED), kCmdAutoSave,
                    txt::kMenuAutoSave);
        AppendMenuA(menu.get(), MF_SEPARATOR, 0, nullptr);
    }
    appendItem(menu.get(), kCmdSave, txt::kMenuSave);
    FirstPress first{{press.at.x, press.at.y}, press.time, false, false};
    FirstPress* const outer = t_firstPress;
    t_firstPress = &first;
    const UniqueHook filter(SetWindowsHookExA(WH_MSGFILTER, menuFilter, nullptr, GetCurrentThreadId()));
    const TrayMenuItem chosen = track(menu.get(), press.at);
    t_firstPress = outer;
    return first.secondSeen ? TrayMenuItem::SecondPress : chosen;
}

TrayMenuItem Win32Tray::openRightMenu(ScreenPoint at) {
    UniqueMenu menu(CreatePopupMenu());
    appendItem(menu.get(), kCmdProperties, txt::kMenuProperties);
    AppendMenuA(menu.get(), MF_SEPARATOR, 0, nullptr);
    appendItem(menu.get(), kCmdExit, txt::kMenuExit);
    return track(menu.get(), at);
}
