#include "platform/sim/tray/sim_tray.hpp"

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
    return true;
}

void SimTray::removeIcon() {
    journal_.add("tray: remove icon");
    iconShown = false;
    ++removes;
}

TrayPress SimTray::pressNow() {
    journal_.add("tray: cursor position");
    return {cursor, clock};
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
    if (choice == TrayMenuItem::Save || choice == TrayMenuItem::SecondPress ||
        (choice == TrayMenuItem::AutoSave && autoSaveVisible))
        return choice;
    return TrayMenuItem::None;
}

TrayMenuItem SimTray::openRightMenu(ScreenPoint at) {
    journal_.add("tray: right menu");
    opened.push_back({false, at, clock, false, false});
    const TrayMenuItem choice = runMenu();
    if (choice == TrayMenuItem::Properties || choice == TrayMenuItem::Exit) return choice;
    return TrayMenuItem::None;
}

bool SimTray::pressEndsDoubleClick(const TrayPress& press) {
    if (!doubleClickMark_.set) return false;
    doubleClickMark_.set = false;
    // 500 ms and a 4 x 4 rectangle, as the system's defaults.
    const auto near = [](int a, int b) { return a - b <= 2 && b - a <= 2; };
    const TrayPress& mark = doubleClickMark_.press;
    return press.time - mark.time <= 500 && near(press.at.x, mark.at.x) && near(press.at.y, mark.at.y);
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
