#pragma once
// Modal boxes and dialogs of the program. While one is up, every other
// window of the program is disabled, so nothing in them can start a second
// commit or change controls under a running one; messages (timer ticks, tray
// messages, nested saves) keep flowing in the box's own loop.
#include <windows.h>

#include <functional>
#include <vector>

// Disables the program's windows for its lifetime; afterwards enables again
// exactly those it disabled and gives the activation back to the window that
// was active, with the focus where it was. Scopes nest: a box opened inside
// another box leaves alone what the outer one disabled, because those windows
// were no longer enabled when the inner scope began.
class ModalScope {
public:
    // `keep`: the modal window itself when it exists before the scope.
    explicit ModalScope(HWND keep = nullptr);
    ~ModalScope();
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;

private:
    static BOOL CALLBACK disableOne(HWND hwnd, LPARAM param);

    HWND keep_;
    HWND active_;
    HWND focus_;
    std::vector<HWND> disabled_;
};

// How many ModalScopes are open now; `changed` runs after one opens (true)
// or closes (false). The taskbar entry follows them: a box or dialog must be
// reachable from the taskbar and Alt+Tab even when no form is on screen.
int openModals();
void watchModals(std::function<void(bool opened)> changed);

// Runs the loop of one of our own modal windows until `running` turns false.
// The caller holds a ModalScope. A quit request ends the loop and is passed
// on to the outer loop.
void runModalLoop(const std::function<bool()>& running);
