#pragma once
// sim/tray/: the simulated tray. Uses sim/window/ and the tray port.
//
// The notification area of the simulated desktop. Menus answer from a script
// and, like the real menu loop, can deliver further events while open.
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/sim/window/sim_journal.hpp"
#include "ports/tray_port.hpp"

namespace sim {

struct MenuAnswer {
    TrayMenuItem choice = TrayMenuItem::None;
    std::vector<std::function<void()>> during;  // run while the menu is open
};

class SimTray : public TrayPort {
public:
    struct OpenedMenu {
        bool left;
        ScreenPoint at;
        unsigned long time;  // of the press that opened a left menu
        bool autoSaveVisible = false, autoSaveChecked = false;  // left menu only
    };

    explicit SimTray(Journal& journal) : journal_(journal) {}

    bool addIcon(const std::string& text) override;
    void removeIcon() override;
    bool decode(std::uintptr_t wParam, std::intptr_t lParam, TrayEvent& event) override;
    bool sameGesture(const TrayPress& earlier, const TrayPress& later) override;
    void focusNotificationArea() override { ++focusReturns; }
    void foregroundAndProcessMessages() override;
    TrayMenuItem openLeftMenu(const TrayPress& press, bool autoSaveVisible, bool autoSaveChecked) override;
    TrayMenuItem openRightMenu(ScreenPoint at) override;
    void closeMenu() override;

    // Answers of the coming menus; with none left a menu closes unchosen.
    void pushMenuAnswer(MenuAnswer answer) { answers_.push_back(std::move(answer)); }
    void pushChoice(TrayMenuItem choice) { answers_.push_back({choice, {}}); }

    bool iconShown = false;
    std::string tip;
    int adds = 0, removes = 0;
    int refusedAdds = 0;  // the next adds that the shell refuses
    ScreenPoint cursor{700, 580};
    // The shell speaks the version-4 protocol (once asked, unless refused).
    bool version4 = false;
    bool refusesVersion4 = false;
    int focusReturns = 0;
    unsigned long clock = 0;  // milliseconds; the double-click time is 500

    std::vector<OpenedMenu> opened;
    // Messages already waiting when the program comes to the foreground.
    std::vector<std::function<void()>> waiting;
    std::function<bool()> programEnded;
    // Takes what the program posted, as the loop of a real one does.
    std::function<void()> takePosted;

private:
    TrayMenuItem runMenu();

    Journal& journal_;
    std::deque<MenuAnswer> answers_;
    // The menus open, innermost last: false once told to close.
    std::vector<bool> openMenus_;
};

}  // namespace sim
