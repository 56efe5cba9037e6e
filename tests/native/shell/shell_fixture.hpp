#pragma once
// The resident program on the simulated desktop: MainForm wired to the
// simulated tray, window and timers the way the Win32 window routes them.
#include <sys/stat.h>

#include <cstdint>
#include <string>

#include "app/main_form.hpp"
#include "native/scenario/desktop_fixture.hpp"
#include "ports/win_constants.hpp"

class ShellTest : public DesktopTest {
protected:
    // MainForm with its events routed, before FormCreate.
    MainForm& wired() {
        MainForm& m = form();
        d.timers.onTick = [this](TimerId id) {
            if (!d.formWindow.closed) form().TimerTick(id);
        };
        d.formWindow.onShow = [this] {
            ++formShows;
            form().FormShow();
        };
        d.formWindow.onClose = [this] { form().FormClose(); };
        return m;
    }
    // The program as start-up leaves it, message loop not yet running.
    MainForm& start() {
        MainForm& m = wired();
        m.FormCreate();
        m.DialogFormCreate();
        m.StartupDone();
        return m;
    }

    // The shell sends the icon's callback from another process: it is
    // handled at once, also inside an open menu, a box or a host's answer
    // (from their `during` events), never queued for the message loop.
    // In the protocol the shell speaks: the version-4 one once asked (its
    // anchor where the cursor is), unless it refused.
    void tray(unsigned mouseMessage) {
        if (d.tray.version4) return trayV4(mouseMessage, d.tray.cursor);
        message([this, mouseMessage] { form().TrayIconMessage(1, static_cast<std::intptr_t>(mouseMessage)); });
    }
    // As a shell of the version-4 protocol sends it: the anchor in wParam,
    // the event and the icon's id in lParam.
    void trayV4(unsigned event, ScreenPoint anchor) {
        const auto wParam = static_cast<std::uintptr_t>((anchor.x & 0xFFFF) | ((anchor.y & 0xFFFF) << 16));
        message([this, event, wParam] { form().TrayIconMessage(wParam, static_cast<std::intptr_t>(event | (1u << 16))); });
    }
    void leftMenu(TrayMenuItem choice) {
        d.tray.pushChoice(choice);
        tray(win::kWmLButtonDown);
    }
    void rightMenu(TrayMenuItem choice) {
        d.tray.pushChoice(choice);
        tray(win::kWmRButtonDown);
    }
    const sim::SimTray::OpenedMenu& lastMenu() const { return d.tray.opened.back(); }

    std::string setting(const char* section, const char* key) {
        return d.profile.read("C:\\Tools\\OrvexLog.ini", section, key, "<missing>");
    }
    static void makeReadOnly(const std::string& windowsPath) { ::chmod(host(windowsPath).c_str(), 0444); }

    static constexpr unsigned long long kMinute = 60000;
    int formShows = 0;  // FormShow runs
};
