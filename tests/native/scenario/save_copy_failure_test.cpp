// A copy that never reaches the clipboard must not be saved as a log: the
// paste would write whatever the clipboard held before (another program's
// data, or nothing) and call it a success.
#include "native/scenario/desktop_fixture.hpp"

#include <functional>

#include "text/texts.hpp"

namespace {
const std::string kIni = "[Setting_GroupBox]\r\nOrvexLogPath=C:\\Logs\r\n[FileName_GroupBox]\r\nYear2_RadioButton=1\r\n";
}  // namespace

class SaveCopyFailureTest : public DesktopTest {
protected:
    void SetUp() override {
        DesktopTest::SetUp();
        makeFolder("C:\\Logs");
        writeSettings(kIni);
        d.clipboard.set("someone else's text", "");
    }
    void expectCopyErrorAndNothingSaved() {
        ASSERT_EQ(d.boxes.shown.size(), 1u);
        EXPECT_EQ(d.boxes.shown[0].text, std::string(txt::kCannotCopyLog) + ".");
        EXPECT_EQ(d.boxes.shown[0].caption, txt::kAppTitle);
        EXPECT_EQ(d.boxes.shown[0].flags, win::kMbOk | win::kMbIconError);
        EXPECT_TRUE(listFolder("C:\\Logs").empty());
        EXPECT_TRUE(d.holder.empty());
        EXPECT_EQ(d.clipboard.text(), "someone else's text");
        EXPECT_EQ(d.notice.shows, 0);
        EXPECT_FALSE(form().form.AutoSave_Timer.enabled());
    }
};

TEST_F(SaveCopyFailureTest, ClipboardHeldOpenByAnotherProgramSavesNothing) {
    d.windows.addCompanion(100, "companion log", "{\\rtf1 companion log}");
    d.clipboard.heldByOtherProgram = true;
    save();
    expectCopyErrorAndNothingSaved();

    // Once the clipboard is free again, the next save works as usual.
    d.boxes.shown.clear();
    d.clipboard.heldByOtherProgram = false;
    save();
    EXPECT_TRUE(d.boxes.shown.empty());
    EXPECT_EQ(readFile("C:\\Logs\\240105_1.rtf"), "{\\rtf1 companion log}");
}

// Clipboard managers, the system's clipboard history and remote-desktop sync
// open the clipboard right after every change, the host's copy included, and
// hold it for a moment. The worker tries again while they do, so the save
// costs only that wait; a clipboard held past the bound fails the save with
// the copy error, and the holder is filled from nothing else meanwhile.
TEST_F(SaveCopyFailureTest, AClipboardHeldAfterTheCopyIsWaitedForUpToTheBound) {
    d.windows.addCompanion(100, "companion log", "{\\rtf1 companion log}");
    const struct {
        unsigned long holdMs;
        unsigned long long waitedMs;  // from the host's answer to the log
        bool saved;
    } rows[] = {{0, 0, true}, {5, 10, true}, {200, 250, true}, {1900, 1950, true}, {2100, 2000, false}};
    for (const auto& row : rows) {
        d.timers.advance(5000);  // the last save's holder has let go
        d.clipboard.watcherHoldMs = row.holdMs;
        d.boxes.shown.clear();
        const std::size_t logs = listFolder("C:\\Logs").size();
        const int fills = d.holder.fills;
        const unsigned long long start = d.timers.now;
        save();
        EXPECT_EQ(d.timers.now - start, row.waitedMs) << row.holdMs;
        EXPECT_EQ(listFolder("C:\\Logs").size(), logs + (row.saved ? 1 : 0)) << row.holdMs;
        EXPECT_EQ(d.holder.fills, fills + (row.saved ? 1 : 0)) << row.holdMs;
        if (row.saved) {
            EXPECT_EQ(readFile("C:\\Logs\\240105_" + std::to_string(logs + 1) + ".rtf"), "{\\rtf1 companion log}");
            EXPECT_FALSE(d.clipboard.holdsData()) << row.holdMs;
            EXPECT_TRUE(d.boxes.shown.empty()) << row.holdMs;
        } else {
            ASSERT_EQ(d.boxes.shown.size(), 1u);
            EXPECT_EQ(d.boxes.shown[0].text, std::string(txt::kCannotCopyLog) + ".");
            EXPECT_EQ(d.clipboard.text(), "companion log");  // the host's copy stays
        }
    }
    // Asked for while the watcher still holds the clipboard after the last
    // save's emptying: a copy into a held clipboard would do nothing, so the
    // host is asked once it is free, and its copy is taken once it is again.
    d.timers.advance(5000);
    d.clipboard.watcherHoldMs = 200;
    d.boxes.shown.clear();
    save();
    const unsigned long long start = d.timers.now;
    save();
    EXPECT_EQ(d.timers.now - start, 500u);
    EXPECT_TRUE(d.boxes.shown.empty());
    EXPECT_EQ(listFolder("C:\\Logs").size(), 6u);
}

// What the clipboard holds once the host has answered the copy is the log
// only when the host's own program put it there. Another program copies
// while the host answers, or a host ends inside WM_COPY while another
// program copies: the log would be that program's data, so nothing is saved,
// and its data stays on the clipboard. Once the worker has taken the host's
// copy, another program's copy no longer reaches the log: the log is saved,
// and that program's data is not emptied with it.
TEST_F(SaveCopyFailureTest, AnotherProgramsCopyIsNeitherSavedNorWiped) {
    const win::Handle companion = d.windows.addCompanion(100, "companion log", "{\\rtf1 companion log}");
    const auto othersCopy = [&] { d.clipboard.set("someone else's text", ""); };
    const auto duringCopy = [&](std::function<void()> event) {
        d.windows.whileAnswering = [event](const sim::SimHostWindows::Sent& s) {
            if (s.message == win::kWmCopy) event();
        };
    };
    duringCopy(othersCopy);
    save();
    expectCopyErrorAndNothingSaved();

    d.boxes.shown.clear();
    duringCopy([&] {
        d.windows.destroy(companion);
        othersCopy();
    });
    save();
    expectCopyErrorAndNothingSaved();

    // The host's copy does nothing (another program holds the clipboard),
    // and that program copies meanwhile: one save, one box.
    d.boxes.shown.clear();
    d.windows.addCompanion(100, "companion log", "{\\rtf1 companion log}");
    d.windows.whileAnswering = [&](const sim::SimHostWindows::Sent& s) {
        if (s.message == win::kEmSetSel && s.lParam == -1) d.clipboard.heldByOtherProgram = true;
        if (s.message != win::kWmCopy) return;
        othersCopy();
        d.clipboard.heldByOtherProgram = false;
    };
    save();
    expectCopyErrorAndNothingSaved();

    d.boxes.shown.clear();
    d.windows.whileAnswering = nullptr;
    d.windows.addCompanion(100, "companion log", "{\\rtf1 companion log}");
    d.holder.whileFilling = othersCopy;
    save();
    EXPECT_TRUE(d.boxes.shown.empty());
    EXPECT_EQ(readFile("C:\\Logs\\240105_1.rtf"), "{\\rtf1 companion log}");
    EXPECT_EQ(d.clipboard.text(), "someone else's text");
}

// A host that ends right after answering the copy leaves a clipboard whose
// data can no longer be fetched; one that lives on may fail to hand over a
// copy it promised. Either way the clipboard changed but nothing could be
// taken, and the window is not empty: nothing is saved (not an empty log),
// and that clipboard is not emptied either.
TEST_F(SaveCopyFailureTest, ACopyThatCannotBeTakenSavesNothing) {
    const win::Handle companion = d.windows.addCompanion(100, "companion log", "{\\rtf1 companion log}");
    d.windows.whileAnswering = [&](const sim::SimHostWindows::Sent& s) {
        if (s.message != win::kWmCopy) return;
        d.clipboard.set("", "", d.windows.window(companion).process);
        d.windows.destroy(companion);
    };
    save();
    ASSERT_EQ(d.boxes.shown.size(), 1u);
    EXPECT_EQ(d.boxes.shown[0].text, std::string(txt::kCannotCopyLog) + ".");

    d.windows.whileAnswering = nullptr;
    const win::Handle living = d.windows.addCompanion(100, "companion log", "{\\rtf1 companion log}");
    d.windows.window(d.windows.findChild(living, "RichEdit", nullptr)).handsOverNothing = true;
    save();
    ASSERT_EQ(d.boxes.shown.size(), 2u);
    EXPECT_EQ(d.boxes.shown[1].text, std::string(txt::kCannotCopyLog) + ".");
    EXPECT_TRUE(listFolder("C:\\Logs").empty());
    EXPECT_EQ(d.clipboard.emptyCalls, 0);
    EXPECT_EQ(d.notice.shows, 0);
}

// A source with no text copies nothing either, but that is an empty log, not
// a failure: it is written and announced like any other, the clipboard's
// older content stays out of it, and the clipboard is left empty as after
// any save.
TEST_F(SaveCopyFailureTest, EmptySourceGivesAnEmptyLogWithTheNotice) {
    // The chat client replaces an empty companion without a length query of
    // its own beforehand.
    d.windows.addCompanion(100, "");
    d.windows.addChatClient("", "empty chat");
    save();
    EXPECT_TRUE(d.boxes.shown.empty());
    const std::string log = readFile("C:\\Logs\\240105_1.rtf");
    EXPECT_EQ(log.find("someone"), std::string::npos);
    EXPECT_EQ(log.back(), '}');
    EXPECT_EQ(d.notice.shows, 1);
    EXPECT_EQ(form().dialog.WindowTitleDialog_Label.caption(), "empty chat");
    EXPECT_TRUE(form().form.AutoSave_Timer.enabled());

    writeSettings(kIni + "[File_TabSheet]\r\nRichText_RadioButton=0\r\n");
    d.clipboard.set("someone else's text", "");
    save();
    EXPECT_TRUE(d.boxes.shown.empty());
    EXPECT_TRUE(exists("C:\\Logs\\240105_1.txt"));
    EXPECT_EQ(readFile("C:\\Logs\\240105_1.txt"), "");
    EXPECT_FALSE(d.clipboard.holdsData());
}
