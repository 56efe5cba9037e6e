// The saved-log notice: where it opens, what it does to the double-click
// choice while it is up, and what OK stores.
#include "native/scenario/desktop_fixture.hpp"

#include <sys/stat.h>

#include "settings/setting_keys.hpp"
#include "text/texts.hpp"

namespace {
const std::string kLogs = "[Setting_GroupBox]\r\nOrvexLogPath=C:\\Logs\r\n";
}

class NoticeTest : public DesktopTest {
protected:
    void SetUp() override {
        DesktopTest::SetUp();
        makeFolder("C:\\Logs");
        d.windows.addChatClient("text", "chat title");
    }
    std::string setting(const char* key) { return form().form.settings.readText(keys::kFormPosition, key, "missing"); }
};

TEST_F(NoticeTest, WithoutStoredPositionItOpensCentredHalvingEachSizeFirst) {
    // 800 x 600 screen, notice 258 x 144 outside: 400 - 129 and 300 - 72.
    form().dialog.FormCreate();
    EXPECT_EQ(d.notice.left(), 271);
    EXPECT_EQ(d.notice.top(), 228);
}

TEST_F(NoticeTest, StoredPositionIsUsedAsItIsAndANonNumberCountsAsMissing) {
    writeSettings("[FormPosition]\r\nDialogTop=-20\r\nDialogLeft=abc\r\n");
    form().dialog.FormCreate();
    EXPECT_EQ(d.notice.top(), -20);
    EXPECT_EQ(d.notice.left(), 271);
}

TEST_F(NoticeTest, OkStoresWhereTheUserLeftItForTheNextStart) {
    writeSettings(kLogs);
    form().dialog.FormCreate();
    d.notice.script.push({win::kIdOk, {[&] { d.notice.moveTo(50, 60); }}});
    save();
    EXPECT_EQ(setting(keys::kDialogTop), "60");
    EXPECT_EQ(setting(keys::kDialogLeft), "50");
    EXPECT_LT(settingsText().find("DialogTop"), settingsText().find("DialogLeft"));

    // A new program on the same files places the notice there.
    form_.reset();
    form().dialog.FormCreate();
    EXPECT_EQ(d.notice.left(), 50);
    EXPECT_EQ(d.notice.top(), 60);
}

TEST_F(NoticeTest, DoubleClickSaveChoiceIsSuspendedWhileTheNoticeIsUp) {
    writeSettings(kLogs);
    PropertiesControls& c = form().form.controls;
    c.Save_RadioButton.setChecked(true);
    c.Save_Button.setEnabled(false);
    bool noneCheckedDuring = false;
    d.notice.script.push({win::kIdOk, {[&] {
                              noneCheckedDuring = !c.Save_RadioButton.checked() &&
                                                  !c.MainForm_RadioButton.checked() && !c.None_RadioButton.checked();
                          }}});
    save();
    EXPECT_TRUE(noneCheckedDuring);
    EXPECT_TRUE(c.Save_RadioButton.checked());
    EXPECT_TRUE(c.Save_Button.enabled());  // checking it again is a change
    EXPECT_FALSE(form().dialog.DblClickSaveSuspended);
}

TEST_F(NoticeTest, OtherDoubleClickChoicesAreLeftAlone) {
    writeSettings(kLogs);
    PropertiesControls& c = form().form.controls;
    c.MainForm_RadioButton.setChecked(true);
    c.Save_Button.setEnabled(false);
    save();
    EXPECT_TRUE(c.MainForm_RadioButton.checked());
    EXPECT_FALSE(c.Save_Button.enabled());
}

TEST_F(NoticeTest, UnwritableSettingsFileIsReportedAfterTheNoticeClosed) {
    writeSettings(kLogs);
    PropertiesControls& c = form().form.controls;
    c.Save_RadioButton.setChecked(true);
    ASSERT_EQ(chmod(host("C:\\Tools").c_str(), 0555), 0);
    chmod(host("C:\\Tools\\OrvexLog.ini").c_str(), 0444);
    save();
    chmod(host("C:\\Tools").c_str(), 0755);
    EXPECT_FALSE(d.notice.visible);
    EXPECT_TRUE(c.Save_RadioButton.checked());  // restored before the write failed
    ASSERT_EQ(d.boxes.shown.size(), 1u);
    std::string expected = txt::kCannotWriteFmt;
    expected.replace(expected.find("%s"), 2, "C:\\Tools\\OrvexLog.ini");
    EXPECT_EQ(d.boxes.shown[0].text, expected + ".");
    EXPECT_EQ(d.boxes.shown[0].caption, txt::kAppTitle);
    EXPECT_EQ(settingsText().find("DialogLeft"), std::string::npos);
}
