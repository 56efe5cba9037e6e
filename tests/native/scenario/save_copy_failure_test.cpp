// A copy that never reaches the clipboard must not be saved as a log: the
// paste would write whatever the clipboard held before (another program's
// data, or nothing) and call it a success.
#include "native/scenario/desktop_fixture.hpp"

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
    form().Save_MenuItemClick();
    expectCopyErrorAndNothingSaved();

    // Once the clipboard is free again, the next save works as usual.
    d.boxes.shown.clear();
    d.clipboard.heldByOtherProgram = false;
    form().Save_MenuItemClick();
    EXPECT_TRUE(d.boxes.shown.empty());
    EXPECT_EQ(readFile("C:\\Logs\\240105_1.rtf"), "{\\rtf1 companion log}");
}

TEST_F(SaveCopyFailureTest, EmptyChatClientAfterAnEmptyCompanionSavesNothing) {
    // The chat client's control replaces the empty companion one without a
    // length test of its own; it has nothing to copy.
    d.windows.addCompanion(100, "");
    d.windows.addChatClient("");
    form().Save_MenuItemClick();
    expectCopyErrorAndNothingSaved();
}
