// Start-up and the end of the program: the entry's order, one copy per
// session, and what FormCreate leaves behind.
#include "app/program_entry.hpp"
#include "native/shell/shell_fixture.hpp"
#include "settings/setting_keys.hpp"
#include "text/texts.hpp"

class StartupTest : public ShellTest {
protected:
    int run() {
        return runProgram(d.entry, [this]() -> MainForm& {
            d.journal.add("create MainForm");
            return wired();
        });
    }
};

TEST_F(StartupTest, RunsItsStepsInOrderAndEndsThroughTheClosingStep) {
    d.entry.loopEvents = {[this] {
        EXPECT_FALSE(d.formWindow.visible());
        EXPECT_TRUE(d.tray.iconShown);
        rightMenu(TrayMenuItem::Exit);
    }};
    EXPECT_EQ(run(), 0);

    const std::vector<std::string> expected = {
        "entry: hand cursor",
        "entry: open mutex hKestl",
        "entry: create mutex hKestl",
        "entry: SW_HIDE",
        "entry: application title",
        "create MainForm",
        "tray: add icon",
        "entry: style copy",
        "entry: message loop",
        "tray: cursor position",
        "tray: foreground and process messages",
        "tray: right menu",
        "window: close",
        "tray: remove icon",
        "entry: message loop ended",
        "entry: release mutex",
    };
    EXPECT_EQ(d.journal.entries, expected);
    EXPECT_EQ(d.entry.applicationTitle, txt::kAppTitle);
    EXPECT_EQ(d.tray.tip, txt::kProductName);
    EXPECT_FALSE(d.entry.mutexOwned);
    EXPECT_TRUE(form().form.SaveFolderPath.empty());
}

TEST_F(StartupTest, OnlyAnotherCopysMutexEndsANewCopySilently) {
    d.entry.opening = ProgramEntryPort::Mutex::Exists;
    EXPECT_EQ(run(), 0);
    EXPECT_EQ(d.journal.entries, (std::vector<std::string>{"entry: hand cursor", "entry: open mutex hKestl"}));
    EXPECT_FALSE(form_);

    using Mutex = ProgramEntryPort::Mutex;
    const struct {
        Mutex opening, creating;
        bool runs;
    } cases[] = {
        // The mutex of a copy with higher rights that we may not open or
        // create; one made between our open and our create.
        {Mutex::Denied, Mutex::Ours, false},
        {Mutex::Absent, Mutex::Exists, false},
        {Mutex::Absent, Mutex::Denied, false},
        // Any other failure (the name taken by an object of another kind)
        // tells nothing of another copy: the program runs without the guard.
        {Mutex::Failed, Mutex::Failed, true},
        {Mutex::Absent, Mutex::Failed, true},
        {Mutex::Failed, Mutex::Ours, true},
    };
    for (const auto& [opening, creating, runs] : cases) {
        form_.reset();
        d.journal.entries.clear();
        d.entry.opening = opening;
        d.entry.creating = creating;
        EXPECT_EQ(run(), 0);
        EXPECT_EQ(d.journal.indexOf("entry: message loop") != -1, runs);
        EXPECT_FALSE(d.entry.mutexOwned);
        EXPECT_TRUE(d.boxes.shown.empty());
    }
}

TEST_F(StartupTest, PositionDefaultsHalveEachSizeFirst) {
    start();
    // 800 x 600 screen, 413 x 279 window: 300 - 139 and 400 - 206.
    EXPECT_EQ(d.formWindow.top(), 161);
    EXPECT_EQ(d.formWindow.left(), 194);
}

TEST_F(StartupTest, StoredPositionIsUsedAsItIsOffScreenIncluded) {
    writeSettings("[FormPosition]\r\nMainTop=-20\r\nMainLeft=3000\r\n");
    start();
    EXPECT_EQ(d.formWindow.top(), -20);
    EXPECT_EQ(d.formWindow.left(), 3000);
}

TEST_F(StartupTest, FormCreateLoadsSettingsArmsNothingAndLeavesNoUnsavedChanges) {
    writeSettings(
        "[AutoSave_GroupBox]\r\nAutoSave_TrackBar=15\r\nAutoSave_CheckBox=1\r\n"
        "[FileName_GroupBox]\r\nMonth_CheckBox=0\r\n[Setting_GroupBox]\r\nOrvexLogPath=logs\r\n");
    MainForm& m = start();
    const FormContext& f = m.form;
    EXPECT_EQ(f.AutoSave_Timer.interval(), 15u * 60000u);
    EXPECT_FALSE(f.AutoSave_Timer.enabled());
    EXPECT_FALSE(d.timers.running(TimerId::AutoSave));
    EXPECT_FALSE(f.CloseTimer.enabled());
    EXPECT_EQ(f.controls.AutoSave_Label.caption(), std::string("15") + txt::kMinutesSuffix);
    EXPECT_FALSE(f.controls.Month_CheckBox.checked());
    EXPECT_EQ(f.SaveFolderPath, "logs");  // as stored: in the program folder wherever that is
    EXPECT_EQ(f.controls.SaveFolder_Edit.text(), "logs");
    EXPECT_FALSE(f.controls.Save_Button.enabled());
    EXPECT_FALSE(d.formWindow.visible());
    EXPECT_EQ(formShows, 0);
    EXPECT_TRUE(d.tray.iconShown);
}

class HostStartTest : public StartupTest {
protected:
    void SetUp() override {
        StartupTest::SetUp();
        writeSettings("[Setting_GroupBox]\r\nCreate_CheckBox=1\r\n");
        writeFile("C:\\WINDOWS\\orvex3.ini", "[ORVEX]\r\nProductHDRoot=D:\\Chat\r\n");
    }
};

TEST_F(HostStartTest, TheChatClientStartsWithTheTool) {
    start();
    ASSERT_EQ(d.shell.calls.size(), 1u);
    EXPECT_EQ(d.shell.calls[0].file, "D:\\Chat\\ORVEX.exe");
    EXPECT_FALSE(form().form.controls.Save_Button.enabled());
}

TEST_F(HostStartTest, NothingStartsWhileTheChatClientRuns) {
    d.windows.addChatClient("already running");
    start();
    EXPECT_TRUE(d.shell.calls.empty());
}

TEST_F(StartupTest, AFailedWriteWhileLoadingIsShownAndStartUpStillLoadsAndLaunches) {
    // The option is on and orvex3.ini names no folder: loading asks for the
    // chat client, and storing its folder fails.
    writeSettings(
        "[Setting_GroupBox]\r\nCreate_CheckBox=1\r\nQuorlaPath=C:\\Quorla\\Quorla.exe\r\nDialog_CheckBox=0\r\n"
        "OrvexLogPath=C:\\Logs\r\n[AutoSave_GroupBox]\r\nAutoSave_TrackBar=15\r\n");
    writeFile("C:\\WINDOWS\\orvex3.ini", "[ORVEX]\r\nOther=1\r\n");
    makeReadOnly("C:\\WINDOWS\\orvex3.ini");
    d.boxes.script.pushButton(win::kIdOk);
    d.openDialog.script.push_back({{"D:\\Chat\\ORVEX.EXE"}, {}});
    MainForm& m = start();

    ASSERT_EQ(d.boxes.shown.size(), 2u);
    EXPECT_EQ(d.boxes.shown[0].text, txt::kSpecifyOrvexExe);
    EXPECT_EQ(d.boxes.shown[1].caption, txt::kAppTitle);
    EXPECT_NE(d.boxes.shown[1].text.find("orvex3.ini"), std::string::npos);
    const FormContext& f = m.form;
    EXPECT_FALSE(f.controls.Dialog_CheckBox.checked());
    EXPECT_TRUE(f.controls.DeleteQuorlaPath_Button.enabled());
    EXPECT_EQ(f.AutoSave_Timer.interval(), 15u * 60000u);
    EXPECT_EQ(f.controls.AutoSave_Label.caption(), std::string("15") + txt::kMinutesSuffix);
    EXPECT_EQ(f.SaveFolderPath, "C:\\Logs");
    EXPECT_EQ(f.controls.SaveFolder_Edit.text(), "C:\\Logs");
    ASSERT_EQ(d.shell.calls.size(), 1u);
    EXPECT_EQ(d.shell.calls[0].kind, "WinExec");
    EXPECT_FALSE(f.controls.Save_Button.enabled());
}

TEST_F(StartupTest, TrayRequestsUnderTheStartUpQuestionRunOnceStartUpIsOver) {
    writeSettings(
        "[Setting_GroupBox]\r\nCreate_CheckBox=1\r\nOrvexLogPath=C:\\Logs\r\n"
        "[FormPosition]\r\nDialogTop=33\r\nDialogLeft=44\r\n");
    writeFile("C:\\WINDOWS\\orvex3.ini", "[ORVEX]\r\nOther=1\r\n");
    makeFolder("C:\\Logs");
    d.windows.addChatClient("text");
    // Asked for under the question, the save and the properties window wait
    // until start-up is over.
    d.boxes.script.push({win::kIdOk, {[&] {
                             leftMenu(TrayMenuItem::Save);
                             rightMenu(TrayMenuItem::Properties);
                             EXPECT_EQ(d.notice.shows, 0);
                             EXPECT_EQ(formShows, 0);
                         }}});
    start();
    run();
    EXPECT_EQ(d.notice.shows, 1);
    EXPECT_EQ(formShows, 1);
    EXPECT_EQ(d.formWindow.top(), 161);
    EXPECT_EQ(setting(keys::kFormPosition, keys::kDialogTop), "33");
    EXPECT_EQ(setting(keys::kFormPosition, keys::kDialogLeft), "44");
}
