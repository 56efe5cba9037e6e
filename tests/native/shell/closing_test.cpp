// The end of the program: the exit item, the close timer under the no-window
// message, and the closing step that stores the window's position.
#include "app/program_entry.hpp"
#include "native/shell/shell_fixture.hpp"
#include "settings/setting_keys.hpp"
#include "text/texts.hpp"

class ClosingTest : public ShellTest {};

TEST_F(ClosingTest, ExitWithoutEverShowingTheWindowStoresTheStartPosition) {
    start();
    rightMenu(TrayMenuItem::Exit);
    EXPECT_TRUE(d.formWindow.closed);
    EXPECT_EQ(setting(keys::kFormPosition, keys::kMainTop), "161");
    EXPECT_EQ(setting(keys::kFormPosition, keys::kMainLeft), "194");
    EXPECT_LT(settingsText().find("MainTop"), settingsText().find("MainLeft"));
    EXPECT_FALSE(d.tray.iconShown);
    EXPECT_EQ(formShows, 0);
}

TEST_F(ClosingTest, AStoredNegativePositionIsWrittenBackUnchanged) {
    writeSettings("[FormPosition]\r\nMainTop=-20\r\nMainLeft=-7\r\n");
    start();
    rightMenu(TrayMenuItem::Properties);
    rightMenu(TrayMenuItem::Exit);
    EXPECT_EQ(setting(keys::kFormPosition, keys::kMainTop), "-20");
    EXPECT_EQ(setting(keys::kFormPosition, keys::kMainLeft), "-7");
}

TEST_F(ClosingTest, UnansweredNoWindowMessageEndsTheProgramTenSecondsLater) {
    bool stillRunningAt9999 = false;
    d.entry.loopEvents = {[&] {
        d.boxes.script.push({win::kIdOk, {[&] {
                                 d.timers.advance(9999);
                                 stillRunningAt9999 = !d.formWindow.closed;
                                 d.timers.advance(1);
                             }}});
        leftMenu(TrayMenuItem::Save);
    }};
    EXPECT_EQ(runProgram(d.entry, [this]() -> MainForm& { return wired(); }), 0);

    EXPECT_TRUE(stillRunningAt9999);
    EXPECT_TRUE(d.formWindow.closed);
    ASSERT_EQ(d.boxes.shown.size(), 1u);
    EXPECT_EQ(d.boxes.shown[0].text, txt::kNoLogWindow);
    EXPECT_EQ(setting(keys::kFormPosition, keys::kMainTop), "161");
    EXPECT_EQ(setting(keys::kFormPosition, keys::kMainLeft), "194");
    EXPECT_FALSE(d.tray.iconShown);
    EXPECT_LT(d.journal.indexOf("tray: remove icon"), d.journal.indexOf("entry: message loop ended"));
    EXPECT_FALSE(d.entry.mutexOwned);
}

TEST_F(ClosingTest, OkInTimeKeepsTheProgramRunningWithTheCloseTimerOff) {
    start();
    d.boxes.script.push({win::kIdOk, {[&] { d.timers.advance(9000); }}});
    leftMenu(TrayMenuItem::Save);
    EXPECT_FALSE(form().form.CloseTimer.enabled());
    EXPECT_FALSE(d.timers.running(TimerId::Close));
    d.timers.advance(60000);
    EXPECT_FALSE(d.formWindow.closed);
    EXPECT_TRUE(d.tray.iconShown);
    EXPECT_EQ(setting(keys::kFormPosition, keys::kMainTop), "<missing>");
}

TEST_F(ClosingTest, AClickWhoseWaitingMessagesCloseTheProgramOpensNoMenu) {
    for (const unsigned button : {win::kWmLButtonDown, win::kWmRButtonDown}) {
        form_.reset();
        d.formWindow.closed = false;
        start();
        d.tray.waiting.push_back([&] { form().Exit_MenuItemClick(); });
        tray(button);
        EXPECT_TRUE(d.formWindow.closed) << button;
        EXPECT_TRUE(d.tray.opened.empty()) << button;
    }
}

TEST_F(ClosingTest, ACloseUnderTheStartUpQuestionEndsStartUpAndKeepsTheStoredFiles) {
    // A stored companion would be launched if start-up went on.
    const std::string ini =
        "[Setting_GroupBox]\r\nCreate_CheckBox=1\r\nQuorlaPath=C:\\Quorla\\Quorla.exe\r\n"
        "[FormPosition]\r\nMainTop=40\r\nMainLeft=50\r\n";
    const std::string chatIni = "[ORVEX]\r\nOther=1\r\n";
    // Closed under the question's box, under the open-file dialog, and under
    // the error box of an orvex3.ini that cannot take the chosen folder.
    enum class Under { Question, Dialog, WriteError };
    for (const Under under : {Under::Question, Under::Dialog, Under::WriteError}) {
        form_.reset();
        d.formWindow.closed = false;
        d.shell.calls.clear();
        writeSettings(ini);
        writeFile("C:\\WINDOWS\\orvex3.ini", chatIni);
        if (under == Under::WriteError) makeReadOnly("C:\\WINDOWS\\orvex3.ini");
        const std::function<void()> exit = [this] { rightMenu(TrayMenuItem::Exit); };
        const std::function<void()> stay = [] {};
        d.boxes.script.push({win::kIdOk, {under == Under::Question ? exit : stay}});
        d.openDialog.script.push_back({{"D:\\Chat\\ORVEX.EXE"}, {under == Under::Dialog ? exit : stay}});
        d.boxes.script.push({win::kIdOk, {exit}});
        wired().FormCreate();

        EXPECT_TRUE(d.formWindow.closed);
        EXPECT_EQ(d.openDialog.requests.size(), under == Under::Question ? 0u : 1u);
        d.openDialog.requests.clear();
        d.openDialog.script.clear();
        d.boxes.script = {};
        EXPECT_EQ(readFile("C:\\WINDOWS\\orvex3.ini"), chatIni);
        EXPECT_EQ(settingsText(), ini);
        EXPECT_TRUE(d.shell.calls.empty());
        EXPECT_FALSE(d.tray.iconShown);
    }
}

TEST_F(ClosingTest, AnUnwritableSettingsFileIsReportedAndTheProgramStillEnds) {
    writeSettings("[FormPosition]\r\n");
    makeReadOnly("C:\\Tools\\OrvexLog.ini");
    start();
    // A second close request while the error is up changes nothing.
    d.boxes.script.push({win::kIdOk, {[&] { rightMenu(TrayMenuItem::Exit); }}});
    rightMenu(TrayMenuItem::Exit);

    ASSERT_EQ(d.boxes.shown.size(), 1u);
    std::string expected = txt::kCannotWriteFmt;
    expected.replace(expected.find("%s"), 2, "C:\\Tools\\OrvexLog.ini");
    EXPECT_EQ(d.boxes.shown[0].text, expected + ".");
    EXPECT_EQ(d.boxes.shown[0].caption, txt::kAppTitle);
    EXPECT_TRUE(d.formWindow.closed);
    EXPECT_FALSE(d.tray.iconShown);
    EXPECT_EQ(d.tray.removes, 1);
}

// 終了 while a save waits on a silent host ends that wait: the program closes
// and the save shows and writes nothing more; the select-all that the host
// will still carry out is undone right after it, without waiting. 終了
// chosen once the host has answered waits for the step that fills the
// holder and writes the file: the log is written, then the program ends.
TEST_F(ClosingTest, ExitDuringASaveEndsItsWaitOnTheHostButNotItsFile) {
    writeSettings("[Setting_GroupBox]\r\nOrvexLogPath=C:\\Logs\r\n");
    makeFolder("C:\\Logs");
    const win::Handle companion = d.windows.addCompanion(100, "companion log", "{\\rtf1 companion log}");
    const win::Handle control = d.windows.findChild(companion, "RichEdit", nullptr);
    d.windows.window(control).copyDelayMs = 300000;
    start();
    d.windows.whileAnswering = [&](const sim::SimHostWindows::Sent& s) {
        if (s.message == win::kEmSetSel && s.lParam == -1) rightMenu(TrayMenuItem::Exit);
    };
    leftMenu(TrayMenuItem::Save);
    EXPECT_TRUE(d.formWindow.closed);
    EXPECT_TRUE(d.boxes.shown.empty());
    EXPECT_TRUE(listFolder("C:\\Logs").empty());
    EXPECT_EQ(d.notice.shows, 0);
    const sim::SimHostWindows::Sent& last = d.windows.sent.back();
    EXPECT_EQ(last.window, control);
    EXPECT_EQ(last.message, win::kEmSetSel);
    EXPECT_EQ(last.lParam, 0);
    EXPECT_EQ(d.windows.window(control).selEnd, 0);
}

TEST_F(ClosingTest, ExitChosenWhileTheHostsCopyIsFilledInWaitsForTheFile) {
    writeSettings("[Setting_GroupBox]\r\nOrvexLogPath=C:\\Logs\r\n");
    makeFolder("C:\\Logs");
    d.windows.addCompanion(100, "companion log", "{\\rtf1 companion log}");
    start();
    d.holder.whileFilling = [&] { rightMenu(TrayMenuItem::Exit); };
    leftMenu(TrayMenuItem::Save);
    EXPECT_EQ(readFile("C:\\Logs\\" + listFolder("C:\\Logs").at(0)), "{\\rtf1 companion log}");
    EXPECT_TRUE(d.formWindow.closed);
}
