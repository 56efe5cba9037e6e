#include "platform/sim/tray/sim_tray.hpp"

#include <cstdint>

namespace sim {

bool SimTray::addIcon(const std::string& text) {
    journal_.add("tray: add icon");
    ++adds;
    if (refusedAdds > 0) {
        --refusedAdds;
        return false;
    }
    iconShown = true;
    tip = text;
    version4 = !refusesVersion4;
    return true;
}

void SimTray::removeIcon() {
    journal_.add("tray: remove icon");
    iconShown = false;
    ++removes;
}

bool SimTray::decode(std::uintptr_t wParam, std::intptr_t lParam, TrayEvent& event) {
    journal_.add("tray: cursor position");
    const auto low = [](std::uintmax_t v) { return static_cast<unsigned>(v & 0xFFFFu); };
    event.message = low(static_cast<std::uintmax_t>(lParam));
    if (!version4) {
        event.press = {cursor, clock};
        return wParam == 1;
    }
    const auto coordinate = [](unsigned v) { return static_cast<int>(static_cast<std::int16_t>(v)); };
    event.press = {{coordinate(low(wParam)), coordinate(low(wParam >> 16))}, clock};
    return low(static_cast<std::uintmax_t>(lParam) >> 16) == 1;
}

void SimTray::foregroundAndProcessMessages() {
    journal_.add("tray: foreground and process messages");
    std::vector<std::function<void()>> now;
    now.swap(waiting);
    if (takePosted) takePosted();
    for (auto& message : now) {
        if (programEnded && programEnded()) break;
        message();
    }
}

TrayMenuItem SimTray::openLeftMenu(const TrayPress& press, bool autoSaveVisible, bool autoSaveChecked) {
    journal_.add("tray: left menu");
    opened.push_back({true, press.at, press.time, autoSaveVisible, autoSaveChecked});
    const TrayMenuItem choice = runMenu();
    // Only what the menu shows can be chosen.
    if (choice == TrayMenuItem::Save || choice == TrayMenuItem::SecondPress || choice == TrayMenuItem::Cancelled ||
        (choice == TrayMenuItem::AutoSave && autoSaveVisible))
        return choice;
    return TrayMenuItem::None;
}

TrayMenuItem SimTray::openRightMenu(ScreenPoint at) {
    journal_.add("tray: right menu");
    opened.push_back({false, at, clock, false, false});
    const TrayMenuItem choice = runMenu();
    if (choice == TrayMenuItem::Properties || choice == TrayMenuItem::Exit || choice == TrayMenuItem::Cancelled)
        return choice;
    return TrayMenuItem::None;
}

bool SimTray::sameGesture(const TrayPress& earlier, const TrayPress& later) {
    // 500 ms and a 4 x 4 rectangle, as the system's defaults.
    const auto near = [](int a, int b) { return a - b <= 2 && b - a <= 2; };
    return later.time - earlier.time <= 500 && near(later.at.x, earlier.at.x) && near(later.at.y, earlier.at.y);
}

void SimTray::closeMenu() {
    journal_.add("tray: close menu");
    if (!openMenus_.empty()) openMenus_.back() = false;
}

TrayMenuItem SimTray::runMenu() {
    MenuAnswer answer;
    if (!answers_.empty()) {
        answer = std::move(answers_.front());
        answers_.pop_front();
    }
    openMenus_.push_back(true);
    if (takePosted) takePosted();
    for (auto& event : answer.during) {
        if ((programEnded && programEnded()) || !openMenus_.back()) break;
        event();
    }
    const bool closed = !openMenus_.back();
    openMenus_.pop_back();
    // A program that ended, or a menu closed, while it was open chooses
    // nothing.
    if (closed || (programEnded && programEnded())) return TrayMenuItem::None;
    return answer.choice;
}

}  // namespace sim
