#pragma once
// The resident program on the simulated desktop: MainForm wired to the
// simulated tray, window and timers the way the Win32 window routes them.
#include <sys/stat.h>

#include <cstdint>
#include <string>

#include "app/main_form.hpp"
#include "native/scenario/desktop_fixture.hpp"
#include "platform/win_constants.hpp"

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
    void tray(unsigned mouseMessage) {
        message([this, mouseMessage] { form().TrayIconMessage(static_cast<std::intptr_t>(mouseMessage)); });
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
