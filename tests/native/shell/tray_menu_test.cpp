// The tray icon's mouse messages and its two menus.
#include "native/shell/shell_fixture.hpp"
#include "settings/setting_keys.hpp"
#include "text/texts.hpp"

class TrayMenuTest : public ShellTest {
protected:
    void doubleClickRunsOnce(bool version4);
    // A chat client whose copy takes copyDelayMs; its main window.
    win::Handle slowChatClient(unsigned long copyDelayMs) {
        const win::Handle client = d.windows.addChatClient("text");
        d.windows.window(d.windows.findChild(d.windows.findChild(client, nullptr, "Chat Window"), "Edit", nullptr))
            .copyDelayMs = copyDelayMs;
        return client;
    }
};

TEST_F(TrayMenuTest, AutoSaveItemFollowsCommittedKeysWithTheDesignedStatesAsDefaults) {
    start();
    PropertiesControls& c = form().form.controls;
    // "" leaves the key out of the file; then the designed state (checked)
    // decides, never an uncommitted change of the control.
    const std::vector<std::string> values = {"", "0", "1"};
    for (const std::string& autoSave : values)
        for (const std::string& menu : values)
            for (const bool autoSaveControl : {false, true})
                for (const bool menuControl : {false, true}) {
                    std::string ini = "[AutoSave_GroupBox]\r\n";
                    if (!autoSave.empty()) ini += "AutoSave_CheckBox=" + autoSave + "\r\n";
                    if (!menu.empty()) ini += "AutoSaveMenu_CheckBox=" + menu + "\r\n";
                    writeSettings(ini);
                    c.AutoSave_CheckBox.setChecked(autoSaveControl);
                    c.AutoSaveMenu_CheckBox.setChecked(menuControl);

                    tray(win::kWmLButtonDown);
                    const bool expected = autoSave != "0" && menu != "0";
                    SCOPED_TRACE("AutoSave_CheckBox=" + autoSave + " AutoSaveMenu_CheckBox=" + menu +
                                 " controls " + std::to_string(autoSaveControl) + std::to_string(menuControl));
                    ASSERT_TRUE(lastMenu().left);
                    EXPECT_EQ(lastMenu().autoSaveVisible, expected);
                    EXPECT_EQ(form().menus.N2.visible, expected);
                }
}

TEST_F(TrayMenuTest, CursorIsReadFirstAndTheMenuOpensThereAfterComingToTheFront) {
    start();
    d.tray.cursor = {640, 470};
    d.journal.entries.clear();
    tray(win::kWmLButtonDown);
    EXPECT_EQ(d.journal.entries,
              (std::vector<std::string>{"tray: cursor position", "tray: foreground and process messages",
                                        "tray: left menu"}));
    EXPECT_EQ(lastMenu().at.x, 640);
    EXPECT_EQ(lastMenu().at.y, 470);

    // The cursor stays where it was read, even if messages handled on coming
    // to the front take a while.
    d.tray.waiting.push_back([this] { d.tray.cursor = {1, 1}; });
    tray(win::kWmRButtonDown);
    EXPECT_FALSE(lastMenu().left);
    EXPECT_EQ(lastMenu().at.x, 640);
}

TEST_F(TrayMenuTest, MovesReleasesAndTheMiddleButtonDoNothing) {
    writeSettings("[Setting_GroupBox]\r\nSave_RadioButton=1\r\nMainForm_RadioButton=1\r\n");
    d.windows.addChatClient("text");
    start();
    for (const unsigned message : {win::kWmMouseMove, 0x0202u, 0x0205u, 0x0207u, 0x0208u}) tray(message);
    EXPECT_TRUE(d.tray.opened.empty());
    EXPECT_EQ(d.notice.shows, 0);
    EXPECT_FALSE(d.formWindow.visible());
}

TEST_F(TrayMenuTest, CheckMarkShowsWhetherTheTimerRunsWhenTheMenuOpens) {
    d.windows.addChatClient("text");
    start();
    tray(win::kWmLButtonDown);
    EXPECT_FALSE(lastMenu().autoSaveChecked);

    // A save with the notice switch on switches the timer on.
    save();
    tray(win::kWmLButtonDown);
    EXPECT_TRUE(lastMenu().autoSaveChecked);

    leftMenu(TrayMenuItem::AutoSave);
    EXPECT_FALSE(form().form.AutoSave_Timer.enabled());
    tray(win::kWmLButtonDown);
    EXPECT_FALSE(lastMenu().autoSaveChecked);

    // Committing the window with auto-save checked switches it on again.
    form().transfer.WriteSettings();
    tray(win::kWmLButtonDown);
    EXPECT_TRUE(lastMenu().autoSaveChecked);
}

TEST_F(TrayMenuTest, PropertiesShowsTheWindowAndRunsFormShowOnlyWhenItWasHidden) {
    start();
    d.view.page = 3;
    rightMenu(TrayMenuItem::Properties);
    EXPECT_TRUE(d.formWindow.visible());
    EXPECT_EQ(formShows, 1);
    EXPECT_EQ(d.view.page, 1);
    d.view.page = 3;
    rightMenu(TrayMenuItem::Properties);
    EXPECT_EQ(formShows, 1);
    EXPECT_EQ(d.view.page, 3);
    EXPECT_EQ(d.formWindow.broughtToFront, 2);

    // Hidden by OK or Cancel, the next showing opens on the first page again.
    d.view.hide();
    rightMenu(TrayMenuItem::Properties);
    EXPECT_EQ(formShows, 2);
    EXPECT_EQ(d.view.page, 1);
}

// With both keys a double click saves first, then shows the window: once
// the save has ended and what it showed has been answered (the notice's OK,
// the save's box), or right after the file when nothing is shown; never
// while the host still copies.
TEST_F(TrayMenuTest, DoubleClickWithBothKeysShowsTheWindowOnceTheSaveHasEnded) {
    makeFolder("C:\\Logs");
    writeSettings("[Setting_GroupBox]\r\nSave_RadioButton=1\r\nMainForm_RadioButton=1\r\nOrvexLogPath=C:\\Logs\r\n");
    const win::Handle client = slowChatClient(3000);
    start();
    bool windowMeanwhile = false;
    const auto seen = [&] { windowMeanwhile = windowMeanwhile || d.formWindow.visible(); };
    d.windows.whileAnswering = [&](const sim::SimHostWindows::Sent&) { seen(); };
    d.notice.script.push({win::kIdOk, {seen}});
    tray(win::kWmLButtonDblClk);
    EXPECT_EQ(listFolder("C:\\Logs"), std::vector<std::string>{"20240105_1.rtf"});
    EXPECT_EQ(d.notice.shows, 1);
    EXPECT_FALSE(windowMeanwhile);
    EXPECT_TRUE(d.formWindow.visible());
    EXPECT_TRUE(d.tray.opened.empty());

    d.view.visible = false;
    form().form.controls.Dialog_CheckBox.setChecked(false);
    tray(win::kWmLButtonDblClk);
    EXPECT_EQ(listFolder("C:\\Logs").size(), 2u);
    EXPECT_FALSE(windowMeanwhile);
    EXPECT_TRUE(d.formWindow.visible());

    d.view.visible = false;
    d.windows.destroy(client);
    d.boxes.script.push({win::kIdOk, {seen}});
    tray(win::kWmLButtonDblClk);
    ASSERT_EQ(d.boxes.shown.size(), 1u);
    EXPECT_EQ(d.boxes.shown[0].text, txt::kNoLogWindow);
    EXPECT_FALSE(windowMeanwhile);
    EXPECT_TRUE(d.formWindow.visible());
}

// A save never holds the program while its host works: the tray's menu, the
// window chosen there and the window's own events (here a prefix its check
// refuses with a box) are answered at once, and the host's answer, arriving
// while that menu is open, writes the log there; only the notice waits for
// the menu to close. What is asked for while the save pastes is answered
// once the paste is over, one request at a time: the notice comes first, the
// refused prefix's box inside it, and the menu inside that box.
TEST_F(TrayMenuTest, WhileASaveWaitsOnItsHostEverythingIsAnsweredAtOnce) {
    makeFolder("C:\\Logs");
    writeSettings("[Setting_GroupBox]\r\nOrvexLogPath=C:\\Logs\r\n");
    slowChatClient(5000);
    start();
    const auto logs = [&] { return listFolder("C:\\Logs"); };
    d.timers.at(d.timers.now + 1000, [&] {
        d.tray.pushMenuAnswer({TrayMenuItem::Properties, {[&] {
                                   form().dispatch([&] { form().form.controls.TopFileName_Edit.setText("a/b"); });
                                   EXPECT_EQ(d.boxes.shown.size(), 1u);
                                   EXPECT_TRUE(logs().empty());
                                   d.timers.advance(5000);  // the host answers
                                   EXPECT_EQ(logs(), std::vector<std::string>{"20240105_1.rtf"});
                                   EXPECT_EQ(d.notice.shows, 0);
                               }}});
        tray(win::kWmRButtonDown);
        EXPECT_EQ(formShows, 1);
        EXPECT_EQ(d.notice.shows, 0);
    });
    leftMenu(TrayMenuItem::Save);
    EXPECT_EQ(d.notice.shows, 1);
    ASSERT_EQ(d.boxes.shown.size(), 1u);
    EXPECT_EQ(d.boxes.shown[0].text, txt::kBadPrefix);

    bool menuInsideTheBox = false;
    d.holder.whileFilling = [&] {
        form().dispatch([&] { form().form.controls.TopFileName_Edit.setText("c/d"); });
        d.tray.pushMenuAnswer({TrayMenuItem::None, {[&] { menuInsideTheBox = d.boxes.open > 0; }}});
        tray(win::kWmRButtonDown);
    };
    std::size_t menusBeforeNotice = 0;
    d.notice.onShow = [&] {
        menusBeforeNotice = d.tray.opened.size();
        form().dialog.FormShow();
    };
    const std::size_t menus = d.tray.opened.size();
    leftMenu(TrayMenuItem::Save);
    EXPECT_EQ(menusBeforeNotice, menus + 1);
    EXPECT_EQ(d.tray.opened.size(), menus + 2);
    EXPECT_TRUE(menuInsideTheBox);
    EXPECT_EQ(d.boxes.shown.size(), 2u);
    EXPECT_EQ(logs(), (std::vector<std::string>{"20240105_1.rtf", "20240105_2.rtf"}));
}

// A save that ends under the left menu (the host answers while the menu is
// open, or while its press brings the program to the front) writes its log
// and switches auto-save on there (the notice on, both keys true by
// default); only the notice waits for the menu. The menu opens where the
// press was made and shows the timer as it is then, and a choice made in it
// stands. A press that arrives while a save fills the holder and writes is
// handled after that step, where and when it was made.
TEST_F(TrayMenuTest, ASaveEndingUnderTheLeftMenuSwitchesAutoSaveWithItsFile) {
    makeFolder("C:\\Logs");
    writeSettings("[Setting_GroupBox]\r\nOrvexLogPath=C:\\Logs\r\n");
    slowChatClient(5000);
    start();
    const Timer& autoSave = form().form.AutoSave_Timer;
    leftMenu(TrayMenuItem::AutoSave);
    ASSERT_TRUE(autoSave.enabled());
    const auto pressAt = [&](ScreenPoint at, sim::MenuAnswer answer) {
        d.timers.at(d.timers.now + 1000, [this, at, answer] {
            d.tray.cursor = at;
            d.tray.pushMenuAnswer(answer);
            tray(win::kWmLButtonDown);
        });
    };
    // The menu's choice switches the timer off after the save ended there.
    pressAt({500, 400}, {TrayMenuItem::AutoSave, {[&] {
                             d.timers.advance(5000);  // the host answers
                             EXPECT_EQ(listFolder("C:\\Logs").size(), 1u);
                             EXPECT_EQ(d.notice.shows, 0);
                         }}});
    leftMenu(TrayMenuItem::Save);
    EXPECT_EQ(d.notice.shows, 1);
    EXPECT_FALSE(autoSave.enabled());

    // The save ends while the press brings the program to the front.
    int noticesWhileMenuOpen = -1;
    d.timers.at(d.timers.now + 1000, [&] { d.tray.waiting.push_back([&] { d.timers.advance(5000); }); });
    pressAt({300, 200}, {TrayMenuItem::None, {[&] { noticesWhileMenuOpen = d.notice.shows; }}});
    leftMenu(TrayMenuItem::Save);
    EXPECT_EQ(noticesWhileMenuOpen, 1);
    EXPECT_EQ(d.notice.shows, 2);
    EXPECT_TRUE(lastMenu().autoSaveChecked);
    EXPECT_EQ(lastMenu().at.x, 300);

    // A press while the save fills the holder.
    d.holder.whileFilling = [&] {
        d.tray.cursor = {120, 80};
        d.tray.clock = 7000;
        d.tray.pushChoice(TrayMenuItem::None);
        tray(win::kWmLButtonDown);
        d.tray.cursor = {900, 700};
        d.tray.clock = 9000;
    };
    leftMenu(TrayMenuItem::Save);
    EXPECT_EQ(lastMenu().at.x, 120);
    EXPECT_EQ(lastMenu().at.y, 80);
    EXPECT_EQ(lastMenu().time, 7000u);
}

// Each double click, in every order the shell's messages come in, runs its
// action once: in the first protocol, and in the version-4 one, whose shell
// adds its NIN_SELECT after every left release.
void TrayMenuTest::doubleClickRunsOnce(bool version4) {
    d.tray.refusesVersion4 = !version4;
    makeFolder("C:\\Logs");
    writeSettings("[Setting_GroupBox]\r\nSave_RadioButton=1\r\nDialog_CheckBox=0\r\nOrvexLogPath=C:\\Logs\r\n");
    d.windows.addChatClient("text");
    start();
    ASSERT_EQ(d.tray.version4, version4);
    const auto release = [this, version4] {
        tray(win::kWmLButtonUp);
        if (version4) tray(win::kNinSelect);
    };
    const auto saves = [] { return listFolder("C:\\Logs").size(); };
    // The first press's menu takes the second press; a WM_LBUTTONDBLCLK
    // for it afterwards is the same double click.
    leftMenu(TrayMenuItem::SecondPress);
    EXPECT_EQ(saves(), 1u);
    tray(win::kWmLButtonDblClk);
    EXPECT_EQ(saves(), 1u);
    // The shell's callbacks are sent: WM_LBUTTONDBLCLK arrives while the
    // menu is open, or while the program comes to the front before it opens.
    d.tray.pushMenuAnswer({TrayMenuItem::Save, {[this] { tray(win::kWmLButtonDblClk); }}});
    tray(win::kWmLButtonDown);
    EXPECT_EQ(saves(), 2u);
    const std::size_t menus = d.tray.opened.size();
    d.tray.waiting.push_back([this] { tray(win::kWmLButtonDblClk); });
    tray(win::kWmLButtonDown);
    EXPECT_EQ(saves(), 3u);
    EXPECT_EQ(d.tray.opened.size(), menus);
    // After a press whose menu was dismissed, a double click runs again.
    // The shell pairs that press with the next one: its WM_LBUTTONDBLCLK
    // comes first, then the user's release and second press as plain ones
    // (as Wine's tray sends them), and that press opens no menu. The press
    // after it, however quick, is a press of its own.
    leftMenu(TrayMenuItem::None);
    release();
    tray(win::kWmLButtonDblClk);
    EXPECT_EQ(saves(), 4u);
    release();
    d.tray.clock += 80;
    tray(win::kWmLButtonDown);
    EXPECT_EQ(d.tray.opened.size(), menus + 1);
    d.tray.clock += 80;
    tray(win::kWmLButtonDown);
    EXPECT_EQ(d.tray.opened.size(), menus + 2);
    // Anything but a release or a move between: no longer its second press.
    tray(win::kWmLButtonDblClk);
    tray(win::kWmRButtonDown);
    d.tray.clock += 80;
    tray(win::kWmLButtonDown);
    EXPECT_EQ(d.tray.opened.size(), menus + 4);
    EXPECT_EQ(saves(), 5u);
    // In the usual order the double click arrives while its first press's
    // menu is open (press, release, double click, release); a quick third
    // press opens the menu.
    d.tray.pushMenuAnswer({TrayMenuItem::None, {[release] { release(); }, [this] {
                               tray(win::kWmLButtonDblClk);
                           }}});
    tray(win::kWmLButtonDown);
    release();
    EXPECT_EQ(saves(), 6u);
    d.tray.clock += 80;
    tray(win::kWmLButtonDown);
    EXPECT_EQ(d.tray.opened.size(), menus + 6);
}

TEST_F(TrayMenuTest, DoubleClickRunsOnceWhetherTheMenuOrTheShellTookTheSecondPress) { doubleClickRunsOnce(false); }
TEST_F(TrayMenuTest, DoubleClickRunsOnceInTheVersion4Protocol) { doubleClickRunsOnce(true); }

// The version-4 shell lets the keyboard reach the icon: Enter or Space
// (NIN_KEYSELECT, perhaps twice for one key) opens the left menu at the
// icon's anchor, the menu key or Shift+F10 (WM_CONTEXTMENU) the right one; a
// right click's own WM_CONTEXTMENU and a left click's NIN_SELECT open
// nothing more; a menu closed with Esc hands the keyboard back to the
// notification area. Another icon's messages, or ones in the first
// protocol's form, are not ours.
TEST_F(TrayMenuTest, TheKeyboardReachesBothMenusThroughTheVersion4Shell) {
    makeFolder("C:\\Logs");
    writeSettings("[Setting_GroupBox]\r\nDialog_CheckBox=0\r\nOrvexLogPath=C:\\Logs\r\n");
    d.windows.addChatClient("text");
    start();
    ASSERT_TRUE(d.tray.version4);
    const ScreenPoint icon{1200, 1000};
    const auto saves = [] { return listFolder("C:\\Logs").size(); };
    const auto expectMenu = [&](std::size_t count, bool left) {
        ASSERT_EQ(d.tray.opened.size(), count);
        EXPECT_EQ(lastMenu().left, left);
        EXPECT_EQ(lastMenu().at.x, icon.x);
        EXPECT_EQ(lastMenu().at.y, icon.y);
    };
    // Enter whose second notice comes while the menu is open; 保存 there.
    d.tray.pushMenuAnswer({TrayMenuItem::Save, {[&] { trayV4(win::kNinKeySelect, icon); }}});
    trayV4(win::kNinKeySelect, icon);
    expectMenu(1, true);
    EXPECT_EQ(saves(), 1u);
    // Enter whose two notices both come while a save fills the holder, and
    // wait for that step: one menu, closed with Esc.
    d.holder.whileFilling = [&] {
        d.tray.pushChoice(TrayMenuItem::Cancelled);
        trayV4(win::kNinKeySelect, icon);
        trayV4(win::kNinKeySelect, icon);
    };
    save();
    d.holder.whileFilling = nullptr;
    expectMenu(2, true);
    EXPECT_EQ(saves(), 2u);
    EXPECT_EQ(d.tray.focusReturns, 1);
    // Enter again at once, once that menu has gone: a menu of its own.
    trayV4(win::kNinKeySelect, icon);
    expectMenu(3, true);
    EXPECT_EQ(d.tray.focusReturns, 1);
    // The menu key.
    d.tray.pushChoice(TrayMenuItem::Properties);
    trayV4(win::kWmContextMenu, icon);
    expectMenu(4, false);
    EXPECT_TRUE(d.formWindow.visible());
    // A right click, and a left click, as the shell sends them.
    d.tray.pushMenuAnswer({TrayMenuItem::None, {[&] {
                               trayV4(win::kWmRButtonUp, icon);
                               trayV4(win::kWmContextMenu, icon);
                           }}});
    trayV4(win::kWmRButtonDown, icon);
    expectMenu(5, false);
    d.tray.pushMenuAnswer({TrayMenuItem::Save, {[&] {
                               trayV4(win::kWmLButtonUp, icon);
                               trayV4(win::kNinSelect, icon);
                           }}});
    trayV4(win::kWmLButtonDown, icon);
    expectMenu(6, true);
    EXPECT_EQ(saves(), 3u);
    // Not our icon's.
    message([&] { form().TrayIconMessage(1, win::kNinKeySelect); });
    message([&] { form().TrayIconMessage(0, win::kNinKeySelect | (2u << 16)); });
    EXPECT_EQ(d.tray.opened.size(), 6u);
}

TEST_F(TrayMenuTest, DoubleClickWithoutKeysFollowsNoUncommittedChoice) {
    d.windows.addChatClient("text");
    start();
    tray(win::kWmLButtonDblClk);
    EXPECT_EQ(d.notice.shows, 0);
    EXPECT_FALSE(d.formWindow.visible());

    // Missing keys stand for the designed choice (nothing), whatever the
    // window holds uncommitted.
    for (RadioButton* choice : {&form().form.controls.Save_RadioButton, &form().form.controls.MainForm_RadioButton}) {
        choice->setChecked(true);
        tray(win::kWmLButtonDblClk);
    }
    EXPECT_EQ(d.notice.shows, 0);
    EXPECT_FALSE(d.formWindow.visible());
}

TEST_F(TrayMenuTest, SaveItemRunsTheSaveCommand) {
    makeFolder("C:\\Logs");
    writeSettings("[Setting_GroupBox]\r\nOrvexLogPath=C:\\Logs\r\n");
    d.windows.addChatClient("text");
    start();
    leftMenu(TrayMenuItem::Save);
    EXPECT_EQ(listFolder("C:\\Logs"), std::vector<std::string>{"20240105_1.rtf"});
}

TEST_F(TrayMenuTest, TaskbarCreatedPutsTheIconBackUntilTheProgramCloses) {
    start();
    EXPECT_EQ(d.tray.adds, 1);
    // Explorer restarted: its new notification area has no icon of ours.
    d.tray.iconShown = false;
    form().TaskbarCreated();
    EXPECT_TRUE(d.tray.iconShown);
    EXPECT_EQ(d.tray.adds, 2);

    rightMenu(TrayMenuItem::Exit);
    form().TaskbarCreated();
    EXPECT_FALSE(d.tray.iconShown);
    EXPECT_EQ(d.tray.adds, 2);
}

TEST_F(TrayMenuTest, ARefusedIconIsTriedAgainSecondsApartAndOnTaskbarCreated) {
    // A shell busy at logon refuses the first adds, then one that never
    // takes it: a few tries, then "TaskbarCreated" adds it all the same.
    d.tray.refusedAdds = 2;
    start();
    d.timers.advance(TrayIcon::kRetryIntervalMs);
    EXPECT_FALSE(d.tray.iconShown);
    d.timers.advance(TrayIcon::kRetryIntervalMs);
    EXPECT_TRUE(d.tray.iconShown);
    EXPECT_FALSE(d.timers.running(TimerId::IconRetry));

    form_.reset();
    d.tray.adds = 0;
    d.tray.iconShown = false;
    d.tray.refusedAdds = 1000;
    start();
    d.timers.advance(60 * kMinute);
    EXPECT_EQ(d.tray.adds, 1 + TrayIcon::kRetries);
    d.tray.refusedAdds = 0;
    form().TaskbarCreated();
    EXPECT_TRUE(d.tray.iconShown);
}
