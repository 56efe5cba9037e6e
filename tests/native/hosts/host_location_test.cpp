// Turning on the start-up launch: which executable is asked for, how the
// choice is checked and stored, and what a cancel or the delete button leaves.
#include <sys/stat.h>

#include "native/properties/properties_fixture.hpp"
#include "text/texts.hpp"

namespace {
const unsigned kWarningFlags = win::kMbOk | win::kMbIconExclamation;
const unsigned kErrorFlags = win::kMbOk | win::kMbIconError;
}  // namespace

class HostLocationTest : public PropertiesTest {
protected:
    void SetUp() override {
        PropertiesTest::SetUp();
        makeFolder("C:\\Logs");
    }
    void installCompanion() { writeFile("C:\\WINDOWS\\Quorla.ini", "[Quorla]\r\n"); }
    void storeCompanionPath(const std::string& path) {
        writeSettings("[Setting_GroupBox]\r\nQuorlaPath=" + path + "\r\n");
    }
    void chatClientKnown(const std::string& line = "ProductHDRoot=C:\\Orvex") {
        writeFile("C:\\WINDOWS\\orvex3.ini", "[ORVEX]\r\n" + line + "\r\n");
    }
    void turnOn() { clickCheckBox(controls().Create_CheckBox); }
};

TEST_F(HostLocationTest, CompanionInstalledWithoutPathAsksForItAndStoresTheChoiceExactly) {
    installCompanion();
    loaded();
    d.openDialog.script.push_back({{"C:\\Tools\\QUORLA.EXE"}, {}});
    turnOn();

    ASSERT_EQ(d.boxes.shown.size(), 1u);
    EXPECT_EQ(d.boxes.shown[0].text, txt::kQuorlaInstalledNoPath);
    EXPECT_EQ(d.boxes.shown[0].caption, txt::kCaptionWarning);
    EXPECT_EQ(d.boxes.shown[0].flags, kWarningFlags);
    ASSERT_EQ(d.openDialog.requests.size(), 1u);
    const OpenFileRequest& request = d.openDialog.requests[0];
    EXPECT_EQ(request.mode, OpenDialogMode::Companion);
    EXPECT_EQ(request.title, txt::kQuorlaDialogTitle);
    EXPECT_EQ(request.filterName, txt::kQuorlaFilterName);
    EXPECT_EQ(request.filterPattern, "Quorla.exe");
    EXPECT_EQ(request.initialFolder, "::{20D04FE0-3AEA-1069-A2D8-08002B30309D}");
    EXPECT_EQ(request.fileName, "");

    EXPECT_EQ(setting("Setting_GroupBox", "QuorlaPath"), "C:\\Tools\\QUORLA.EXE");
    EXPECT_TRUE(controls().DeleteQuorlaPath_Button.enabled());
    EXPECT_TRUE(controls().Create_CheckBox.checked());
    EXPECT_TRUE(controls().Save_Button.enabled());
    // The option itself waits for the commit.
    EXPECT_EQ(setting("Setting_GroupBox", "Create_CheckBox"), "<missing>");
}

TEST_F(HostLocationTest, WrongFileIsRefusedWithTheModeErrorAndTheDialogStaysOpen) {
    installCompanion();
    loaded();
    d.openDialog.script.push_back({{"C:\\WINDOWS\\notepad.exe", "C:\\Quorla\\quorla.exe.lnk", "D:\\q\\Quorla.exe"}, {}});
    turnOn();

    ASSERT_EQ(d.openDialog.requests.size(), 1u);  // one dialog, left open after each refusal
    EXPECT_EQ(d.openDialog.vetoed.size(), 2u);
    ASSERT_EQ(d.boxes.shown.size(), 3u);
    for (int i : {1, 2}) {
        EXPECT_EQ(d.boxes.shown[i].text, txt::kOnlyQuorlaExe);
        EXPECT_EQ(d.boxes.shown[i].caption, txt::kCaptionError);
        EXPECT_EQ(d.boxes.shown[i].flags, kErrorFlags);
    }
    EXPECT_EQ(setting("Setting_GroupBox", "QuorlaPath"), "D:\\q\\Quorla.exe");
}

TEST_F(HostLocationTest, TheTitleDecidesTheExpectedNameByteForByte) {
    HostLocation& hosts = form().hostLocation;
    std::string title = txt::kQuorlaDialogTitle;
    form().openDialog.setup.title = title;
    EXPECT_TRUE(hosts.OpenDialogCanClose("C:\\x\\QuOrLa.ExE"));
    EXPECT_TRUE(hosts.OpenDialogCanClose("A:quorla.exe"));  // the name part also ends at a drive colon

    title.back() = static_cast<char>(title.back() + 1);
    form().openDialog.setup.title = title;
    EXPECT_TRUE(hosts.OpenDialogCanClose("D:\\Chat\\Orvex.EXE"));
    EXPECT_FALSE(hosts.OpenDialogCanClose("C:\\x\\quorla.exe"));
    ASSERT_EQ(d.boxes.shown.size(), 1u);
    EXPECT_EQ(d.boxes.shown[0].text, txt::kOnlyOrvexExe);
}

TEST_F(HostLocationTest, StoredCompanionPathAndChatClientKeyAskNothing) {
    installCompanion();
    storeCompanionPath("C:\\Quorla\\Quorla.exe");
    chatClientKnown();
    loaded();
    turnOn();
    EXPECT_TRUE(d.boxes.shown.empty());
    EXPECT_TRUE(d.openDialog.requests.empty());
    EXPECT_TRUE(controls().Create_CheckBox.checked());
    EXPECT_TRUE(controls().Save_Button.enabled());
}

TEST_F(HostLocationTest, ChatClientKeyCountsInAnyCaseAndWithAnEmptyValue) {
    for (const std::string line : {"producthdroot=", "PRODUCTHDROOT=D:\\x"}) {
        chatClientKnown(line);
        loaded();
        controls().Create_CheckBox.setChecked(false);
        turnOn();
        EXPECT_TRUE(d.boxes.shown.empty()) << line;
        EXPECT_TRUE(controls().Create_CheckBox.checked()) << line;
    }
    // The same name as a section, or a value under another key, is not it.
    chatClientKnown("Root=ProductHDRoot\r\n[ProductHDRoot]\r\nProductHDRoot=x");
    controls().Create_CheckBox.setChecked(false);
    turnOn();
    EXPECT_EQ(d.boxes.shown.size(), 1u);
}

TEST_F(HostLocationTest, StoredCompanionPathWithoutChatClientKeyAsksForTheChatClient) {
    installCompanion();
    storeCompanionPath("C:\\Quorla\\Quorla.exe");
    loaded();
    d.openDialog.script.push_back({{"D:\\Chat\\ORVEX.EXE"}, {}});
    turnOn();

    ASSERT_EQ(d.boxes.shown.size(), 1u);
    EXPECT_EQ(d.boxes.shown[0].text, txt::kSpecifyOrvexExe);
    EXPECT_EQ(d.boxes.shown[0].flags, kWarningFlags);
    ASSERT_EQ(d.openDialog.requests.size(), 1u);
    EXPECT_EQ(d.openDialog.requests[0].mode, OpenDialogMode::ChatClient);
    EXPECT_EQ(d.openDialog.requests[0].title, txt::kOrvexDialogTitle);
    EXPECT_EQ(d.openDialog.requests[0].filterPattern, "ORVEX.EXE");
    EXPECT_EQ(chatClientIni("ProductHDRoot"), "D:\\Chat");
    EXPECT_EQ(setting("Setting_GroupBox", "QuorlaPath"), "C:\\Quorla\\Quorla.exe");
}

TEST_F(HostLocationTest, MarkerFolderInsteadOfFileMeansTheCompanionIsNotInstalled) {
    makeFolder("C:\\WINDOWS\\Quorla.ini");
    loaded();
    turnOn();  // cancelled
    ASSERT_EQ(d.openDialog.requests.size(), 1u);
    EXPECT_EQ(d.openDialog.requests[0].mode, OpenDialogMode::ChatClient);
}

TEST_F(HostLocationTest, ChosenChatClientStoresItsFolderADriveRootKeepingItsBackslash) {
    loaded();
    d.openDialog.script.push_back({{"D:\\ORVEX.EXE"}, {}});
    turnOn();
    EXPECT_EQ(chatClientIni("ProductHDRoot"), "D:\\");

    // The name box starts with the file chosen last.
    controls().Create_CheckBox.setChecked(false);
    writeFile("C:\\WINDOWS\\orvex3.ini", "");
    turnOn();
    ASSERT_EQ(d.openDialog.requests.size(), 2u);
    EXPECT_EQ(d.openDialog.requests[1].fileName, "D:\\ORVEX.EXE");
}

TEST_F(HostLocationTest, CancelledDialogClearsTheBoxWritesNothingAndRestoresSaveButton) {
    installCompanion();
    chatClientKnown("Other=1");
    loaded();

    // Companion branch, nothing changed before the click.
    turnOn();
    EXPECT_FALSE(controls().Create_CheckBox.checked());
    EXPECT_FALSE(controls().Save_Button.enabled());

    // Chat-client branch (a companion path is stored), with a change pending.
    storeCompanionPath("C:\\Quorla\\Quorla.exe");
    loaded();
    const std::string settingsBefore = settingsText();
    controls().Dialog_CheckBox.setChecked(false);
    turnOn();
    EXPECT_FALSE(controls().Create_CheckBox.checked());
    EXPECT_TRUE(controls().Save_Button.enabled());

    ASSERT_EQ(d.openDialog.requests.size(), 2u);
    EXPECT_EQ(d.openDialog.requests[0].mode, OpenDialogMode::Companion);
    EXPECT_EQ(d.openDialog.requests[1].mode, OpenDialogMode::ChatClient);
    EXPECT_EQ(settingsText(), settingsBefore);
    EXPECT_EQ(readFile("C:\\WINDOWS\\orvex3.ini"), "[ORVEX]\r\nOther=1\r\n");
}

TEST_F(HostLocationTest, FailedWriteIsReportedAndLeavesTheControlsAsTheyWere) {
    installCompanion();
    writeSettings("[Setting_GroupBox]\r\nQuorlaPath=\r\n");
    loaded();
    ASSERT_EQ(::chmod(host("C:\\Tools\\OrvexLog.ini").c_str(), 0444), 0);
    d.openDialog.script.push_back({{"C:\\Quorla\\Quorla.exe"}, {}});
    turnOn();

    ASSERT_EQ(d.boxes.shown.size(), 2u);
    EXPECT_EQ(d.boxes.shown[1].caption, txt::kAppTitle);
    EXPECT_NE(d.boxes.shown[1].text.find("C:\\Tools\\OrvexLog.ini"), std::string::npos);
    EXPECT_TRUE(controls().Create_CheckBox.checked());
    EXPECT_FALSE(controls().DeleteQuorlaPath_Button.enabled());
    EXPECT_FALSE(controls().Save_Button.enabled());

    // The chat client's file, read-only too: its full place is named.
    controls().Create_CheckBox.setChecked(false);
    controls().Save_Button.setEnabled(false);
    std::filesystem::remove(host("C:\\WINDOWS\\Quorla.ini"));
    writeFile("C:\\WINDOWS\\orvex3.ini", "[ORVEX]\r\n");
    ASSERT_EQ(::chmod(host("C:\\WINDOWS\\orvex3.ini").c_str(), 0444), 0);
    d.openDialog.script.push_back({{"D:\\Chat\\orvex.exe"}, {}});
    turnOn();
    EXPECT_NE(d.boxes.shown.back().text.find("C:\\WINDOWS\\orvex3.ini"), std::string::npos);
    EXPECT_TRUE(controls().Create_CheckBox.checked());
    EXPECT_FALSE(controls().Save_Button.enabled());
}

TEST_F(HostLocationTest, DeleteButtonEmptiesTheKeyAndMarksChangedOnlyWhenItClearsTheBox) {
    storeCompanionPath("C:\\Quorla\\Quorla.exe");
    loaded();
    ASSERT_TRUE(controls().DeleteQuorlaPath_Button.enabled());
    click(controls().DeleteQuorlaPath_Button);
    EXPECT_EQ(setting("Setting_GroupBox", "QuorlaPath"), "");
    EXPECT_NE(settingsText().find("QuorlaPath="), std::string::npos);
    EXPECT_FALSE(controls().DeleteQuorlaPath_Button.enabled());
    EXPECT_FALSE(controls().Save_Button.enabled());

    chatClientKnown();
    storeCompanionPath("C:\\Quorla\\Quorla.exe");
    loaded();
    turnOn();
    controls().Save_Button.setEnabled(false);
    click(controls().DeleteQuorlaPath_Button);
    EXPECT_FALSE(controls().Create_CheckBox.checked());
    EXPECT_TRUE(controls().Save_Button.enabled());
    EXPECT_EQ(setting("Setting_GroupBox", "QuorlaPath"), "");
}
