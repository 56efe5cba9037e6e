// The auto-save timer: switched from the tray, by a save and by a commit,
// ticking the save command; and saves nested in each other's modal loops.
#include "native/shell/shell_fixture.hpp"

#include <utility>
#include "text/texts.hpp"

class TimersTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        makeFolder("C:\\Logs");
        writeSettings("[Setting_GroupBox]\r\nOrvexLogPath=C:\\Logs\r\n");
    }
    const Timer& autoSave() { return form().form.AutoSave_Timer; }
};

TEST_F(TimersTest, MenuItemSwitchesTheTimerAndAFreshChoiceStartsAFullInterval) {
    start();
    leftMenu(TrayMenuItem::AutoSave);
    EXPECT_TRUE(autoSave().enabled());
    EXPECT_EQ(d.timers.remaining(TimerId::AutoSave), 60 * kMinute);

    d.timers.advance(20 * kMinute);
    leftMenu(TrayMenuItem::AutoSave);
    EXPECT_FALSE(d.timers.running(TimerId::AutoSave));
    d.timers.advance(5 * kMinute);
    leftMenu(TrayMenuItem::AutoSave);
    EXPECT_EQ(d.timers.remaining(TimerId::AutoSave), 60 * kMinute);
}

TEST_F(TimersTest, EveryTickRunsTheSaveAndTheTimerKeepsRunning) {
    d.windows.addChatClient("text");
    start();
    form().form.controls.Dialog_CheckBox.setChecked(false);
    leftMenu(TrayMenuItem::AutoSave);
    d.timers.advance(60 * kMinute - 1);
    EXPECT_TRUE(listFolder("C:\\Logs").empty());
    d.timers.advance(1);
    d.timers.advance(60 * kMinute);
    EXPECT_EQ(listFolder("C:\\Logs"), (std::vector<std::string>{"20240105_1.rtf", "20240105_2.rtf"}));
    EXPECT_TRUE(autoSave().enabled());

    // A failed save (no log window, OK pressed) does not stop it either.
    d.windows.destroy(d.windows.findWindow("PLTpmWin8388608", nullptr));
    d.timers.advance(60 * kMinute);
    ASSERT_EQ(d.boxes.shown.size(), 1u);
    EXPECT_EQ(d.boxes.shown[0].text, txt::kNoLogWindow);
    EXPECT_TRUE(autoSave().enabled());
    EXPECT_EQ(d.timers.remaining(TimerId::AutoSave), 60 * kMinute);
}

TEST_F(TimersTest, CommitRearmsOnlyWhatChanged) {
    start();
    PropertiesControls& c = form().form.controls;
    leftMenu(TrayMenuItem::AutoSave);
    d.timers.advance(10 * kMinute);
    const int starts = d.timers.starts;

    // Interval and state unchanged: the count goes on.
    form().transfer.WriteSettings();
    EXPECT_EQ(d.timers.starts, starts);
    EXPECT_EQ(d.timers.remaining(TimerId::AutoSave), 50 * kMinute);

    // A new interval starts a full new count.
    c.AutoSave_TrackBar.setPosition(30);
    form().transfer.WriteSettings();
    EXPECT_EQ(d.timers.remaining(TimerId::AutoSave), 30 * kMinute);

    // Unchecked, the commit stops it; checked, it starts it even after the
    // tray switched it off.
    c.AutoSave_CheckBox.setChecked(false);
    form().transfer.WriteSettings();
    EXPECT_FALSE(d.timers.running(TimerId::AutoSave));
    c.AutoSave_CheckBox.setChecked(true);
    form().transfer.WriteSettings();
    leftMenu(TrayMenuItem::AutoSave);
    EXPECT_FALSE(autoSave().enabled());
    form().transfer.WriteSettings();
    EXPECT_TRUE(autoSave().enabled());
    EXPECT_EQ(d.timers.remaining(TimerId::AutoSave), 30 * kMinute);
}

TEST_F(TimersTest, ATickInsideAnOpenNoticeRunsAWholeNestedSave) {
    d.windows.addChatClient("text", "chat title");
    start();
    leftMenu(TrayMenuItem::AutoSave);
    d.timers.advance(59 * kMinute);
    // The menu's save shows its notice; the tick a minute later saves again
    // inside it, and the first notice stays up with the newer file's name.
    d.notice.script.push({win::kIdOk, {[&] {
                              d.timers.advance(kMinute);
                              EXPECT_TRUE(d.notice.visible);
                          }}});
    leftMenu(TrayMenuItem::Save);
    EXPECT_EQ(listFolder("C:\\Logs"), (std::vector<std::string>{"20240105_1.rtf", "20240105_2.rtf"}));
    EXPECT_EQ(d.notice.shows, 1);
    EXPECT_EQ(form().dialog.FileNameDialog_Label.caption(), "20240105_2.rtf");
    EXPECT_FALSE(d.clipboard.holdsData());
    EXPECT_TRUE(d.holder.empty());
}

TEST_F(TimersTest, ATickInsideTheNoWindowBoxSavesWhileTheCloseTimerKeepsCounting) {
    start();
    form().form.controls.Dialog_CheckBox.setChecked(false);
    leftMenu(TrayMenuItem::AutoSave);
    d.timers.advance(60 * kMinute - 5000);
    d.boxes.script.push({win::kIdOk, {[&] {
                             d.windows.addChatClient("arrived late");
                             d.timers.advance(5000);  // auto-save tick
                             EXPECT_TRUE(d.timers.running(TimerId::Close));
                             EXPECT_EQ(d.timers.remaining(TimerId::Close), 5000u);
                         }}});
    leftMenu(TrayMenuItem::Save);
    EXPECT_EQ(listFolder("C:\\Logs"), std::vector<std::string>{"20240105_1.rtf"});
    EXPECT_FALSE(d.formWindow.closed);
    EXPECT_FALSE(d.timers.running(TimerId::Close));
}

// While the save waits on the log window's copy, the tray's double click and
// a tick still reach the program. A save started there would empty the
// clipboard under the running one. What comes before the host answered the
// copy is in that log already and is dropped; a save asked for after the
// answer (while the holder pastes) runs once after the running one, however
// often it was asked for. Ticks are dropped either way.
TEST_F(TimersTest, SavesRequestedDuringTheCopyAreCoveredUntilTheHostAnswersThenRunOnceAfter) {
    writeSettings("[Setting_GroupBox]\r\nOrvexLogPath=C:\\Logs\r\nSave_RadioButton=1\r\n");
    d.windows.addChatClient("text");
    start();
    form().form.controls.Dialog_CheckBox.setChecked(false);
    leftMenu(TrayMenuItem::AutoSave);
    d.timers.advance(60 * kMinute - 2);
    int copies = 0;
    d.windows.whileAnswering = [&](const sim::SimHostWindows::Sent& s) {
        if (s.message != win::kWmCopy || ++copies > 1) return;
        tray(win::kWmLButtonDblClk);
        d.timers.advance(1);  // auto-save tick
    };
    d.holder.whileFilling = [&] {
        if (copies > 1) return;
        tray(win::kWmLButtonDblClk);
        leftMenu(TrayMenuItem::Save);
        tray(win::kWmLButtonDblClk);
        d.timers.advance(1);  // auto-save tick
    };
    leftMenu(TrayMenuItem::Save);
    EXPECT_NE(readFile("C:\\Logs\\20240105_1.rtf").find("text"), std::string::npos);
    EXPECT_FALSE(d.clipboard.holdsData());
    EXPECT_TRUE(d.holder.empty());
    EXPECT_EQ(copies, 2);
    EXPECT_EQ(listFolder("C:\\Logs"), (std::vector<std::string>{"20240105_1.rtf", "20240105_2.rtf"}));

    d.timers.advance(60 * kMinute);
    tray(win::kWmLButtonDblClk);
    EXPECT_EQ(listFolder("C:\\Logs"), (std::vector<std::string>{"20240105_1.rtf", "20240105_2.rtf", "20240105_3.rtf",
                                                                "20240105_4.rtf"}));
    EXPECT_NE(readFile("C:\\Logs\\20240105_4.rtf").find("text"), std::string::npos);
    // A tick alone while a save pastes is dropped as well.
    d.holder.whileFilling = [&, once = true]() mutable {
        if (std::exchange(once, false)) d.timers.advance(d.timers.remaining(TimerId::AutoSave));
    };
    tray(win::kWmLButtonDblClk);
    EXPECT_EQ(listFolder("C:\\Logs").size(), 5u);
}

// An empty log window: the host has answered the copy, which copied nothing,
// and the save waits on its second length query. Saves asked for then, by
// double clicks and the menu, run once after this one, never inside it.
TEST_F(TimersTest, SavesAskedForWhileAnEmptyLogIsConfirmedRunOnceAfterIt) {
    writeSettings("[Setting_GroupBox]\r\nOrvexLogPath=C:\\Logs\r\nSave_RadioButton=1\r\nDialog_CheckBox=0\r\n");
    d.windows.addChatClient("");
    start();
    int lengthQueries = 0;
    std::size_t logsWhenTheNextSaveBegan = 0;
    d.windows.whileAnswering = [&](const sim::SimHostWindows::Sent& s) {
        if (s.message != win::kWmGetTextLength) return;
        ++lengthQueries;
        if (lengthQueries == 2) {
            tray(win::kWmLButtonDblClk);
            leftMenu(TrayMenuItem::Save);
            tray(win::kWmLButtonDblClk);
        }
        if (lengthQueries == 3) logsWhenTheNextSaveBegan = listFolder("C:\\Logs").size();
    };
    leftMenu(TrayMenuItem::Save);
    EXPECT_EQ(listFolder("C:\\Logs"), (std::vector<std::string>{"20240105_1.rtf", "20240105_2.rtf"}));
    EXPECT_EQ(logsWhenTheNextSaveBegan, 1u);
    EXPECT_EQ(lengthQueries, 4);
}

// A tick under the no-window box opens a second one. Answering the inner box
// must not cancel the end that the outer one announces: the close timer runs
// until the last of them is answered.
TEST_F(TimersTest, CloseTimerRunsUntilTheLastNoWindowBoxIsAnswered) {
    start();
    form().form.controls.Dialog_CheckBox.setChecked(false);
    leftMenu(TrayMenuItem::AutoSave);
    d.timers.advance(60 * kMinute - 3000);
    const auto tickUnderTheBox = [&] {
        d.timers.advance(3000);  // auto-save tick: the inner box, answered at once
        EXPECT_TRUE(d.timers.running(TimerId::Close));
        EXPECT_EQ(d.timers.remaining(TimerId::Close), 7000u);
    };
    d.boxes.script.push({win::kIdOk, {tickUnderTheBox}});
    d.boxes.script.pushButton(win::kIdOk);
    leftMenu(TrayMenuItem::Save);
    EXPECT_EQ(d.boxes.shown.size(), 2u);
    EXPECT_FALSE(d.timers.running(TimerId::Close));
    EXPECT_FALSE(d.formWindow.closed);

    // Left unanswered, the outer box ends the program 10 s after it appeared.
    d.timers.advance(60 * kMinute - 3000);
    d.boxes.script.push({win::kIdOk, {tickUnderTheBox, [&] { d.timers.advance(7000); }}});
    d.boxes.script.pushButton(win::kIdOk);
    leftMenu(TrayMenuItem::Save);
    EXPECT_TRUE(d.formWindow.closed);
    EXPECT_EQ(d.boxes.shown.size(), 4u);
}

// The close timer fires while a save started under the no-window box waits
// on a slow host: that save writes its log first, then the program ends.
TEST_F(TimersTest, ACloseTickDuringANestedSaveEndsTheProgramOnceItsLogIsWritten) {
    writeSettings("[Setting_GroupBox]\r\nOrvexLogPath=C:\\Logs\r\nSave_RadioButton=1\r\n");
    start();
    d.boxes.script.push({win::kIdOk, {[&] {
                             const win::Handle client = d.windows.addChatClient("arrived late");
                             const win::Handle chat = d.windows.findChild(client, nullptr, "Chat Window");
                             d.windows.window(d.windows.findChild(chat, "Edit", nullptr)).copyDelayMs = 15000;
                             d.timers.advance(1000);
                             tray(win::kWmLButtonDblClk);
                             d.timers.advance(15000);  // the close tick comes 9 s into the copy
                         }}});
    leftMenu(TrayMenuItem::Save);
    EXPECT_TRUE(d.formWindow.closed);
    EXPECT_EQ(listFolder("C:\\Logs"), std::vector<std::string>{"20240105_1.rtf"});
    EXPECT_NE(readFile("C:\\Logs\\20240105_1.rtf").find("arrived late"), std::string::npos);
    EXPECT_EQ(d.notice.shows, 0);
}
