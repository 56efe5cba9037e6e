#pragma once
// The host programs' windows as the save command looks for them:
//   companion:   top-level "LogDisplay (100%)" etc. with a RICHEDIT child
//   chat client: top-level of class PLTpmWin8388608 > child "Chat Window" >
//                child of class Edit
// Both text controls answer WM_GETTEXTLENGTH themselves (see the .cpp).
#include <string>
#include <vector>

#include <windows.h>

#include "handles.hpp"
#include "platform/win32/handles/unique_handle.hpp"
#include "log_content.hpp"

namespace standin {

struct CompanionWindow {
    int percent = 100;
    UniqueWindow frame;
    HWND text = nullptr;
};

struct ClientWindow {
    UniqueWindow frame;
    HWND chat = nullptr;
    HWND edit = nullptr;
};

// "LogDisplay " + "(" / "( " / "(  " + percent + "%)".
std::string companionTitle(int percent);

class HostWindows {
public:
    explicit HostWindows(HINSTANCE instance);
    HostWindows(const HostWindows&) = delete;
    HostWindows& operator=(const HostWindows&) = delete;

    bool registerClasses(std::string& error);
    bool addCompanion(int percent, const LogContent& content, std::string& error);
    bool addClient(const std::string& title, const LogContent& content, std::string& error);
    void showAll();

    const std::vector<CompanionWindow>& companions() const { return companions_; }
    const std::vector<ClientWindow>& clients() const { return clients_; }

private:
    HINSTANCE instance_;
    ::UniqueFont editFont_;
    std::vector<CompanionWindow> companions_;
    std::vector<ClientWindow> clients_;
};

// Each WM_COPY from another program is answered `seconds` after the copy, or
// as soon as notesFile holds a line "release=N" for that copy, the Nth;
// before that wait, "copying=N" is appended to notesFile (when not empty),
// and "answered=N" after it.
// With silentSeconds, it is answered at once and the stand-in then takes no
// messages that long.
void setSlowCopy(unsigned long seconds, unsigned long silentSeconds, const std::string& notesFile);

// The companion's WM_COPY from another program places its selection as a
// promise (delayed rendering) instead of the rich edit's own copy; each
// format is handed over `seconds` after it is asked for (WM_RENDERFORMAT).
void setPromisedCopy(unsigned long seconds);

// Exact length in bytes of a text control's ANSI (CP932) text, the answer a
// WM_GETTEXTLENGTH from another process must give.
long textBytes(HWND control);

}  // namespace standin
