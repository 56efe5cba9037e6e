// The save command on the simulated desktop: which window is saved, under
// which name, and what the user sees when something is missing or fails.
#include "native/scenario/desktop_fixture.hpp"

#include <utility>

#include "errors/app_error.hpp"
#include "text/texts.hpp"

using sim::SimHostWindows;
using sim::SimWindow;

namespace {
const std::string kLogsIni = "[Setting_GroupBox]\r\nOrvexLogPath=C:\\Logs\r\n";
// Two-digit year, month, day, "_", sequence number.
const std::string kShortNamesIni =
    kLogsIni + "[FileName_GroupBox]\r\nYear2_RadioButton=1\r\n";
}  // namespace

class SaveCommandTest : public DesktopTest {
protected:
    void SetUp() override {
        DesktopTest::SetUp();
        makeFolder("C:\\Logs");
        writeSettings(kShortNamesIni);
    }
    void saveWithoutNotice() {
        form().form.controls.Dialog_CheckBox.setChecked(false);
        save();
    }
};

TEST_F(SaveCommandTest, CompanionAt57PercentIsSavedFromItsRichEdit) {
    d.windows.addCompanion(57, "companion log", "{\\rtf1 companion log}");
    saveWithoutNotice();
    EXPECT_EQ(readFile("C:\\Logs\\240105_1.rtf"), "{\\rtf1 companion log}");
    EXPECT_TRUE(d.boxes.shown.empty());
}

TEST_F(SaveCommandTest, HighestPercentageWins) {
    d.windows.addCompanion(3, "three");
    d.windows.addCompanion(100, "hundred");
    saveWithoutNotice();
    EXPECT_NE(readFile("C:\\Logs\\240105_1.rtf").find("hundred"), std::string::npos);
}

TEST_F(SaveCommandTest, ZeroPercentIsNoLogWindow) {
    d.windows.addCompanion(0, "zero");
    d.windows.addChatClient("chat text");
    saveWithoutNotice();
    EXPECT_NE(readFile("C:\\Logs\\240105_1.rtf").find("chat text"), std::string::npos);
}

TEST_F(SaveCommandTest, EmptyCompanionFallsBackToTheChatClientWhoseTitleTheNoticeShows) {
    d.windows.addCompanion(80, "");
    d.windows.addChatClient("chat text", "Orvex3 main");
    save();
    EXPECT_NE(readFile("C:\\Logs\\240105_1.rtf").find("chat text"), std::string::npos);
    EXPECT_EQ(form().dialog.WindowTitleDialog_Label.caption(), "Orvex3 main");
    EXPECT_EQ(form().dialog.FileNameDialog_Label.caption(), "240105_1.rtf");
    EXPECT_EQ(d.notice.shows, 1);
}

TEST_F(SaveCommandTest, MissingTextControlShowsTheAreaErrorAndWritesNothing) {
    // An empty companion log and no chat client.
    d.windows.addCompanion(80, "");
    save();
    // A companion window without its RichEdit child.
    d.windows.add(0, "TLogDisplay", "LogDisplay ( 42%)");
    d.windows.destroy(d.windows.findWindow(nullptr, "LogDisplay ( 80%)"));
    save();
    ASSERT_EQ(d.boxes.shown.size(), 2u);
    for (const auto& box : d.boxes.shown) {
        EXPECT_EQ(box.text, txt::kNoSourceArea);
        EXPECT_EQ(box.caption, txt::kCaptionError);
        EXPECT_EQ(box.flags, win::kMbOk | win::kMbIconError);
    }
    EXPECT_TRUE(listFolder("C:\\Logs").empty());
}

TEST_F(SaveCommandTest, NoLogWindowArmsTheCloseTimerOnlyWhileItsBoxIsOpen) {
    bool runningDuringBox = false;
    d.boxes.script.push({win::kIdOk, {[&] { runningDuringBox = d.timers.running(TimerId::Close); }}});
    save();
    ASSERT_EQ(d.boxes.shown.size(), 1u);
    EXPECT_EQ(d.boxes.shown[0].text, txt::kNoLogWindow);
    EXPECT_EQ(d.boxes.shown[0].caption, txt::kCaptionError);
    EXPECT_TRUE(runningDuringBox);
    EXPECT_FALSE(d.timers.running(TimerId::Close));
    EXPECT_FALSE(form().form.CloseTimer.enabled());
}

// A host that does not answer is neither empty nor replaced by the chat
// client: the save stops with a message naming it, and saves its own log once
// it answers again.
TEST_F(SaveCommandTest, SilentCompanionStopsTheSaveAndIsSavedOnceItAnswers) {
    const win::Handle companion = d.windows.addCompanion(100, "companion log", "{\\rtf1 companion log}");
    SimWindow& control = d.windows.window(d.windows.findChild(companion, "RichEdit", nullptr));
    d.windows.addChatClient("chat text");
    d.clipboard.set("someone else's text", "");
    std::string notAnswering = txt::kHostNotAnsweringFmt;
    notAnswering.replace(notAnswering.find("%s"), 2, "LogDisplay (100%)");

    control.answering = false;  // silent from the start
    saveWithoutNotice();
    // Silent from the copy on: what the clipboard holds is not this log.
    control.answering = true;
    d.windows.whileAnswering = [&](const SimHostWindows::Sent& s) {
        if (s.message == win::kEmSetSel && s.lParam == -1) control.answering = false;
    };
    saveWithoutNotice();
    ASSERT_EQ(d.boxes.shown.size(), 2u);
    for (const auto& box : d.boxes.shown) {
        EXPECT_EQ(box.text, notAnswering);
        EXPECT_EQ(box.caption, txt::kCaptionError);
        EXPECT_EQ(box.flags, win::kMbOk | win::kMbIconError);
    }
    EXPECT_TRUE(listFolder("C:\\Logs").empty());
    EXPECT_EQ(d.clipboard.text(), "someone else's text");
    EXPECT_FALSE(d.timers.running(TimerId::Close));

    d.windows.whileAnswering = nullptr;
    control.answering = true;
    saveWithoutNotice();
    EXPECT_EQ(readFile("C:\\Logs\\240105_1.rtf"), "{\\rtf1 companion log}");
    EXPECT_EQ(d.boxes.shown.size(), 2u);
}

// The copy of a long log may take more than a minute; the host has proved it
// is alive by reporting the length, which sizes the copy's wait (300 KB:
// 69.9 s). The short messages share one minute, however late each answer is.
// A wait given up on leaves the host's selection put back once it wakes.
TEST_F(SaveCommandTest, WaitsAreSizedToTheLogAndTheirSumIsBounded) {
    const win::Handle companion = d.windows.addCompanion(100, std::string(300000, 'x'), "{\\rtf1 long log}");
    SimWindow& control = d.windows.window(d.windows.findChild(companion, "RichEdit", nullptr));
    const auto timedSave = [&] {
        const unsigned long long start = d.timers.now;
        saveWithoutNotice();
        return d.timers.now - start;
    };
    control.copyDelayMs = 65000;
    EXPECT_EQ(timedSave(), 65000u);
    EXPECT_EQ(readFile("C:\\Logs\\240105_1.rtf"), "{\\rtf1 long log}");

    control.copyDelayMs = 70000;
    EXPECT_EQ(timedSave(), 69900u);
    control.copyDelayMs = 0;
    control.answerDelayMs = 45000;  // each answer late, the select-all past the minute
    EXPECT_EQ(timedSave(), 60000u);
    ASSERT_EQ(d.boxes.shown.size(), 2u);
    EXPECT_EQ(d.boxes.shown[1].text, d.boxes.shown[0].text);
    EXPECT_NE(d.boxes.shown[0].text.find("LogDisplay (100%)"), std::string::npos);
    EXPECT_EQ(listFolder("C:\\Logs"), std::vector<std::string>{"240105_1.rtf"});
    EXPECT_EQ(control.selEnd, 0);
    EXPECT_EQ(d.windows.sent.back().message, win::kEmSetSel);
    // However long the log, the copy is given up after 15 minutes.
    control.answerDelayMs = 0;
    control.copyDelayMs = 20 * 60000;
    control.text.assign(10'000'000, 'x');
    EXPECT_EQ(timedSave(), 15u * 60000u);
}

// A host's copy may be a promise, handed over only when the worker asks for
// it: by a host that may stop right after WM_COPY, hang handing it over, or
// be slow to. The wait is bounded by the copy's limit like the messages; a
// copy never handed over writes nothing, and the holder is never filled by
// asking the host from this thread. A slow hand-over within the limit saves.
TEST_F(SaveCommandTest, APromisedCopyIsTakenWithinTheCopysLimitOrTheSaveStops) {
    const win::Handle companion = d.windows.addCompanion(100, "companion log", "{\\rtf1 companion log}");
    SimWindow& control = d.windows.window(d.windows.findChild(companion, "RichEdit", nullptr));
    const struct {
        unsigned long silentAfterCopyMs, handOverMs;
        bool hangs;
        unsigned long long tookMs;
        bool saved;
    } rows[] = {{300000, 0, false, 60000, false}, {0, 0, true, 60000, false}, {0, 15000, false, 15000, true}};
    for (const auto& row : rows) {
        control.silentAfterCopyMs = row.silentAfterCopyMs;
        control.silentUntil = 0;
        control.handOverMs = row.handOverMs;
        control.handOverHangs = row.hangs;
        d.boxes.shown.clear();
        const unsigned long long start = d.timers.now;
        saveWithoutNotice();
        EXPECT_EQ(d.timers.now - start, row.tookMs);
        EXPECT_EQ(listFolder("C:\\Logs").size(), row.saved ? 1u : 0u);
        EXPECT_EQ(d.holder.fills, row.saved ? 1 : 0);
        EXPECT_TRUE(d.holder.empty());
        if (row.saved) continue;
        ASSERT_EQ(d.boxes.shown.size(), 1u);
        EXPECT_NE(d.boxes.shown[0].text.find("LogDisplay (100%)"), std::string::npos);
        d.timers.advance(300000);  // the host wakes
    }
    EXPECT_EQ(readFile("C:\\Logs\\240105_1.rtf"), "{\\rtf1 companion log}");
}

TEST_F(SaveCommandTest, LowestFreeNumberIsTakenAndAFolderCountsAsTaken) {
    d.windows.addChatClient("text");
    writeFile("C:\\Logs\\240105_1.rtf", "one");
    writeFile("C:\\Logs\\240105_3.rtf", "three");
    saveWithoutNotice();
    EXPECT_EQ(readFile("C:\\Logs\\240105_1.rtf"), "one");
    EXPECT_TRUE(exists("C:\\Logs\\240105_2.rtf"));

    makeFolder("C:\\Logs\\240105_4.rtf");
    saveWithoutNotice();
    EXPECT_TRUE(exists("C:\\Logs\\240105_5.rtf"));
    EXPECT_EQ(readFile("C:\\Logs\\240105_3.rtf"), "three");
}

// A busy day: every taken number costs a file test, not another reading of
// the settings file (which made 10,000 logs of a day take seconds).
TEST_F(SaveCommandTest, LongRunOfTakenNumbersIsPassedWithoutRereadingTheSettings) {
    d.windows.addChatClient("text");
    for (int n = 1; n <= 300; ++n) writeFile("C:\\Logs\\240105_" + std::to_string(n) + ".rtf", "old");
    const std::size_t readsBefore = d.profile.readCount();
    saveWithoutNotice();
    EXPECT_TRUE(exists("C:\\Logs\\240105_301.rtf"));
    EXPECT_EQ(readFile("C:\\Logs\\240105_300.rtf"), "old");
    EXPECT_LT(d.profile.readCount() - readsBefore, 100u);
}

TEST_F(SaveCommandTest, TimeIdentifierReplacesTheLogOfTheSameMinute) {
    writeSettings(kShortNamesIni + "Number_CheckBox=0\r\n");
    d.windows.addChatClient("first");
    saveWithoutNotice();
    EXPECT_NE(readFile("C:\\Logs\\240105_0905.rtf").find("first"), std::string::npos);
    d.windows.window(d.windows.findChild(d.windows.findChild(d.windows.findWindow("PLTpmWin8388608", nullptr), nullptr,
                                                             "Chat Window"),
                                         "Edit", nullptr))
        .text = "second";
    saveWithoutNotice();
    EXPECT_NE(readFile("C:\\Logs\\240105_0905.rtf").find("second"), std::string::npos);
    EXPECT_EQ(listFolder("C:\\Logs"), std::vector<std::string>{"240105_0905.rtf"});
}

TEST_F(SaveCommandTest, PlainTextSettingWritesTxtEvenFromRichText) {
    writeSettings(kShortNamesIni + "[File_TabSheet]\r\nRichText_RadioButton=0\r\n");
    d.windows.addCompanion(100, "plain words", "{\\rtf1 coloured}");
    saveWithoutNotice();
    EXPECT_EQ(readFile("C:\\Logs\\240105_1.txt"), "plain words");
    EXPECT_TRUE(d.holder.plainText());
}

TEST_F(SaveCommandTest, AfterASaveTheClipboardAndTheHolderAreEmpty) {
    d.windows.addChatClient("text");
    saveWithoutNotice();
    EXPECT_FALSE(d.clipboard.holdsData());
    EXPECT_TRUE(d.holder.empty());
    // The source was selected whole, copied, and left without a selection:
    // four messages to the other program, no more.
    const auto& s = d.windows.sent;
    ASSERT_EQ(s.size(), 4u);
    EXPECT_EQ(s[0].message, win::kWmGetTextLength);
    EXPECT_EQ(s[1].message, win::kEmSetSel);
    EXPECT_EQ(s[1].lParam, -1);
    EXPECT_EQ(s[2].message, win::kWmCopy);
    EXPECT_EQ(s[3].message, win::kEmSetSel);
    EXPECT_EQ(s[3].lParam, 0);
}

TEST_F(SaveCommandTest, FailedWriteKeepsTheEarlierLogAndLeavesNoTemporaryFile) {
    writeSettings(kShortNamesIni + "Number_CheckBox=0\r\n");
    writeFile("C:\\Logs\\240105_0905.rtf", "earlier log of this minute");
    d.windows.addChatClient(std::string(50000, 'x'));
    std::string cannotReplace = txt::kCannotCreateFileFmt;
    cannotReplace.replace(cannotReplace.find("%s"), 2, "C:\\Logs\\240105_0905.rtf");
    // A full disk; a flush or close that fails once everything is written; a
    // log held by another program past the move's retries.
    const std::pair<void (*)(sim::SimFileSystem&), std::string> faults[] = {
        {[](sim::SimFileSystem& f) { f.failWritesAfter(1000); }, txt::kStreamWriteFailed},
        {[](sim::SimFileSystem& f) { f.failWritesAfter(std::nullopt), f.failFinish(true); }, txt::kStreamWriteFailed},
        {[](sim::SimFileSystem& f) { f.failFinish(false), f.failReplace(true); }, cannotReplace},
    };
    for (const auto& [fault, message] : faults) {
        d.boxes.shown.clear();
        fault(d.files);
        saveWithoutNotice();
        ASSERT_EQ(d.boxes.shown.size(), 1u);
        EXPECT_EQ(d.boxes.shown[0].text, message + ".");
        EXPECT_EQ(d.boxes.shown[0].caption, txt::kAppTitle);
        EXPECT_EQ(d.boxes.shown[0].flags, win::kMbOk | win::kMbIconError);
        EXPECT_EQ(readFile("C:\\Logs\\240105_0905.rtf"), "earlier log of this minute");
        EXPECT_EQ(listFolder("C:\\Logs"), std::vector<std::string>{"240105_0905.rtf"});
        EXPECT_TRUE(d.holder.empty());
        EXPECT_TRUE(d.clipboard.holdsData());  // the copied text is still there
        EXPECT_EQ(d.notice.shows, 0);
    }
}

// The date and the time come from one reading of the clock, even when the
// day turns over during the save.
TEST_F(SaveCommandTest, SaveAtMidnightIsNamedByOneInstant) {
    writeSettings(kShortNamesIni + "Number_CheckBox=0\r\n");
    d.windows.addChatClient("late");
    d.clock.time = {2024, 1, 5, 23, 59};
    d.clock.afterRead = [](LocalTime& t) { t = {2024, 1, 6, 0, 0}; };
    saveWithoutNotice();
    EXPECT_EQ(listFolder("C:\\Logs"), std::vector<std::string>{"240105_2359.rtf"});
    // A numbered log's free number is sought under that one date too.
    writeSettings(kShortNamesIni);
    d.clock.time = {2024, 1, 5, 23, 59};
    writeFile("C:\\Logs\\240105_1.rtf", "earlier");
    saveWithoutNotice();
    EXPECT_EQ(listFolder("C:\\Logs"), (std::vector<std::string>{"240105_1.rtf", "240105_2.rtf", "240105_2359.rtf"}));
}

// A numbered log never replaces a file: a name taken between the search and
// the move (another session's copy of the program) makes it take the next.
TEST_F(SaveCommandTest, NumberedLogTakesTheNextNumberWhenItsNameIsTakenMeanwhile) {
    d.windows.addChatClient("ours");
    bool taken = false;
    d.files.beforeMove = [&](const std::string& to) {
        if (!std::exchange(taken, true)) writeFile(to, "theirs");
    };
    save();
    EXPECT_EQ(readFile("C:\\Logs\\240105_1.rtf"), "theirs");
    EXPECT_NE(readFile("C:\\Logs\\240105_2.rtf").find("ours"), std::string::npos);
    EXPECT_EQ(form().dialog.FileNameDialog_Label.caption(), "240105_2.rtf");
}

TEST_F(SaveCommandTest, EveryLogPathBelowThePathLimitIsWritten) {
    // 246 characters: "\240105_1.rtf" ends the path at 259, where
    // "\~OrvexLog1.tmp" would pass the limit of 260.
    const std::string deep = "C:\\" + std::string(120, 'a') + "\\" + std::string(122, 'b');
    ASSERT_EQ(deep.size(), 246u);
    makeFolder(deep);
    const std::string names = "[FileName_GroupBox]\r\nYear2_RadioButton=1\r\n";
    writeSettings("[Setting_GroupBox]\r\nOrvexLogPath=" + deep + "\r\n" + names);
    d.windows.addChatClient("deep log");
    saveWithoutNotice();
    EXPECT_TRUE(d.boxes.shown.empty());
    EXPECT_NE(readFile(deep + "\\240105_1.rtf").find("deep log"), std::string::npos);

    // The log of this minute ("_0905.rtf") is replaced whole, through a
    // shorter temporary.
    const std::string noDate = "[FileName_GroupBox]\r\nYear_CheckBox=0\r\nMonth_CheckBox=0\r\nDay_CheckBox=0\r\n";
    writeSettings("[Setting_GroupBox]\r\nOrvexLogPath=" + deep + "\r\n" + noDate + "Number_CheckBox=0\r\n");
    writeFile(deep + "\\_0905.rtf", "earlier log");
    saveWithoutNotice();
    EXPECT_NE(readFile(deep + "\\_0905.rtf").find("deep log"), std::string::npos);
    EXPECT_EQ(listFolder(deep), (std::vector<std::string>{"240105_1.rtf", "_0905.rtf"}));

    // 253 characters: only a bare "1.rtf" fits, no temporary name does. The
    // name is free, so it is written in place; a failed write leaves nothing.
    const std::string deeper = deep + std::string(7, 'c');
    makeFolder(deeper);
    writeSettings("[Setting_GroupBox]\r\nOrvexLogPath=" + deeper + "\r\n" + noDate + "Plain_CheckBox=0\r\n");
    saveWithoutNotice();
    EXPECT_TRUE(d.boxes.shown.empty());
    EXPECT_NE(readFile(deeper + "\\1.rtf").find("deep log"), std::string::npos);
    d.files.failWritesAfter(3);
    saveWithoutNotice();
    ASSERT_EQ(d.boxes.shown.size(), 1u);
    EXPECT_EQ(d.boxes.shown[0].text, std::string(txt::kStreamWriteFailed) + ".");
    EXPECT_EQ(listFolder(deeper), std::vector<std::string>{"1.rtf"});
}

TEST_F(SaveCommandTest, LeftoverTemporariesNeverStopASaveAndAreRemoved) {
    // What interrupted saves left, every name a save would try.
    for (int n = 1; n < 100; ++n) writeFile("C:\\Logs\\~OrvexLog" + std::to_string(n) + ".tmp", "part");
    writeFile("C:\\Logs\\~OL1.tmp", "part");
    // Not ours: names the program never makes.
    for (const char* name : {"~OrvexLogX.tmp", "~other.tmp", "~OL007.tmp", "~OL0.tmp", "~OL101.tmp"})
        writeFile(std::string("C:\\Logs\\") + name, "keep");
    // Still being written by a running save: it must survive.
    auto running = d.files.createNew("C:\\Logs\\~OrvexLog100.tmp");
    ASSERT_NE(running, nullptr);
    ASSERT_TRUE(running->write("being written"));

    d.windows.addChatClient("log text");
    saveWithoutNotice();
    EXPECT_TRUE(d.boxes.shown.empty());
    EXPECT_NE(readFile("C:\\Logs\\240105_1.rtf").find("log text"), std::string::npos);
    EXPECT_EQ(listFolder("C:\\Logs"), (std::vector<std::string>{"240105_1.rtf", "~OL0.tmp", "~OL007.tmp", "~OL101.tmp",
                                                                  "~OrvexLog100.tmp", "~OrvexLogX.tmp", "~other.tmp"}));
    EXPECT_TRUE(running->finish());
    EXPECT_EQ(readFile("C:\\Logs\\~OrvexLog100.tmp"), "being written");
}

TEST_F(SaveCommandTest, MissingSaveFolderReportsTheFileThatCannotBeCreated) {
    writeSettings("[Setting_GroupBox]\r\nOrvexLogPath=C:\\Gone\r\n");
    d.windows.addChatClient("text");
    save();
    ASSERT_EQ(d.boxes.shown.size(), 1u);
    std::string expected = txt::kCannotCreateFileFmt;
    expected.replace(expected.find("%s"), 2, "C:\\Gone\\20240105_1.rtf");
    EXPECT_EQ(d.boxes.shown[0].text, expected + ".");
    EXPECT_FALSE(exists("C:\\Gone"));
    EXPECT_EQ(d.notice.shows, 0);
    EXPECT_FALSE(form().form.AutoSave_Timer.enabled());
}

TEST_F(SaveCommandTest, NoticeSwitchDecidesNoticeAndAutoSave) {
    d.windows.addChatClient("text");
    saveWithoutNotice();
    EXPECT_EQ(d.notice.shows, 0);
    EXPECT_FALSE(form().form.AutoSave_Timer.enabled());

    form().form.controls.Dialog_CheckBox.setChecked(true);
    save();
    EXPECT_EQ(d.notice.shows, 1);
    EXPECT_TRUE(form().form.AutoSave_Timer.enabled());
}

TEST_F(SaveCommandTest, AutoSaveStaysOffWhenEitherKeyForbidsIt) {
    writeSettings("[Setting_GroupBox]\r\nOrvexLogPath=C:\\Logs\r\nAutoSaveOn_CheckBox=0\r\n");
    d.windows.addChatClient("text");
    save();
    EXPECT_EQ(d.notice.shows, 1);
    EXPECT_FALSE(form().form.AutoSave_Timer.enabled());
}

// A save that ends while the notice is up names itself there; one that ends
// after the notice was answered shows its own.
TEST_F(SaveCommandTest, NestedSaveInsideTheNoticeUpdatesItsLabelsAndKeepsTheFirstNotice) {
    d.windows.addChatClient("text", "chat title");
    d.notice.script.push({win::kIdOk, {[&] {
                              d.windows.destroy(d.windows.findWindow("PLTpmWin8388608", nullptr));
                              d.windows.addCompanion(100, "companion");
                              save();
                              run();
                              EXPECT_TRUE(d.notice.visible);
                          }}});
    save();
    EXPECT_TRUE(exists("C:\\Logs\\240105_1.rtf"));
    EXPECT_TRUE(exists("C:\\Logs\\240105_2.rtf"));
    EXPECT_EQ(d.notice.shows, 1);
    EXPECT_EQ(form().dialog.WindowTitleDialog_Label.caption(), "LogDisplay (100%)");
    EXPECT_EQ(form().dialog.FileNameDialog_Label.caption(), "240105_2.rtf");
    EXPECT_FALSE(d.notice.visible);

    // OK pressed while the next save waits on a slow host.
    d.windows.window(d.windows.findChild(d.windows.findWindow(nullptr, "LogDisplay (100%)"), "RichEdit", nullptr))
        .copyDelayMs = 6000;
    std::string shownWhenAnswered;
    d.notice.script.push({win::kIdOk, {[&] { save(); }}});
    d.notice.script.push({win::kIdOk, {[&] { shownWhenAnswered = form().dialog.FileNameDialog_Label.caption(); }}});
    save();
    EXPECT_EQ(d.notice.shows, 3);
    EXPECT_EQ(shownWhenAnswered, "240105_4.rtf");
}
