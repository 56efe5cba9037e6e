// Committing the properties window (設定の更新 and OK) and throwing its changes
// away (キャンセル), with the save folder checked or created on the way.
#include <sys/stat.h>

#include "native/properties/properties_fixture.hpp"
#include "settings/folder_paths.hpp"
#include "text/texts.hpp"

namespace {
const std::string kStoredIni =
    "[Setting_GroupBox]\r\nOrvexLogPath=C:\\Logs\r\n[AutoSave_GroupBox]\r\nAutoSave_TrackBar=30\r\n";
const unsigned kAskFlags = win::kMbYesNo | win::kMbIconExclamation;
}  // namespace

class CommitTest : public PropertiesTest {
protected:
    void SetUp() override {
        PropertiesTest::SetUp();
        makeFolder("C:\\Logs");
        writeSettings(kStoredIni);
        loaded();
        showWindow();
    }
};

TEST_F(CommitTest, MissingTypedFolderRefusedFallsBackToTheStoredOneAndStillCommitsTheRest) {
    controls().Dialog_CheckBox.setChecked(false);
    typeSaveFolder("C:\\New\\Logs");
    d.boxes.script.pushButton(win::kIdNo);
    click(controls().OK_Button);

    ASSERT_EQ(d.boxes.shown.size(), 1u);
    EXPECT_EQ(d.boxes.shown[0].text, txt::kAskCreateFolder);
    EXPECT_EQ(d.boxes.shown[0].caption, txt::kCaptionWarning);
    EXPECT_EQ(d.boxes.shown[0].flags, 0x34u);
    EXPECT_FALSE(exists("C:\\New"));
    EXPECT_EQ(saveFolderPath(), "C:\\Logs");
    EXPECT_EQ(controls().SaveFolder_Edit.text(), "C:\\Logs");
    EXPECT_EQ(setting("Setting_GroupBox", "OrvexLogPath"), "C:\\Logs");
    EXPECT_EQ(setting("Setting_GroupBox", "Dialog_CheckBox"), "0");
    EXPECT_EQ(setting("AutoSave_GroupBox", "AutoSave_TrackBar"), "30");
    EXPECT_FALSE(controls().Save_Button.enabled());
    EXPECT_FALSE(d.view.visible);
}

TEST_F(CommitTest, YesCreatesTheFolderWithItsMissingParentsAndStoresIt) {
    typeSaveFolder("C:\\New\\Deep\\Logs");
    d.boxes.script.pushButton(win::kIdYes);
    click(controls().Save_Button);

    EXPECT_EQ(d.boxes.shown.size(), 1u);
    EXPECT_TRUE(FolderExists(d.files, "C:\\New\\Deep\\Logs"));
    EXPECT_EQ(setting("Setting_GroupBox", "OrvexLogPath"), "C:\\New\\Deep\\Logs");
    EXPECT_EQ(saveFolderPath(), "C:\\New\\Deep\\Logs");
    EXPECT_FALSE(controls().Save_Button.enabled());
    EXPECT_TRUE(d.view.visible);  // 設定の更新 keeps the window open
}

TEST_F(CommitTest, YesThatLeavesNoFolderShowsTheErrorThenFallsBack) {
    // Refused by the system, or (a missing drive, two bytes, a doubled final
    // "\") passed over by the chain creation without a folder coming of it;
    // nor is a relative folder whose first folder is missing in the program
    // folder created, even where the current folder has it.
    makeFolder("Logs");  // the simulated current folder's
    for (const std::string& typed :
         {std::string(), std::string("C:\\Blocked\\Logs"), std::string("Q:\\"), std::string("Q:"),
          std::string("C:\\Missing\\\\"), std::string("New\\Sub"), std::string("Logs"), std::string("Logs\\2024")}) {
        d.boxes.shown.clear();
        writeFile("C:\\Blocked", "a file where a folder should be");
        typeSaveFolder(typed);
        ASSERT_EQ(saveFolderPath(), typed);
        d.boxes.script.pushButton(win::kIdYes);
        click(controls().OK_Button);

        ASSERT_EQ(d.boxes.shown.size(), 2u) << typed;
        EXPECT_EQ(d.boxes.shown[0].flags, kAskFlags);
        EXPECT_EQ(d.boxes.shown[1].text, txt::kFolderNotCreated);
        EXPECT_EQ(d.boxes.shown[1].caption, txt::kCaptionError);
        EXPECT_EQ(d.boxes.shown[1].flags, win::kMbOk | win::kMbIconError);
        EXPECT_EQ(saveFolderPath(), "C:\\Logs") << typed;
        EXPECT_EQ(setting("Setting_GroupBox", "OrvexLogPath"), "C:\\Logs");
        EXPECT_FALSE(d.view.visible);
        showWindow();
    }
    EXPECT_FALSE(exists("C:\\Tools\\New"));
    EXPECT_FALSE(exists("C:\\Tools\\Logs"));
    EXPECT_FALSE(exists("Logs\\2024"));
}

TEST_F(CommitTest, YesCreatesARelativeFolderInTheProgramFolderWhereTheChainReachesIt) {
    makeFolder("C:\\Tools\\Logs");
    makeFolder("D:\\");
    makeFolder("Logs");  // the simulated current folder's, which must not matter
    const std::pair<std::string, std::string> cases[] = {
        {"Logs\\New", "C:\\Tools\\Logs\\New"},  // its parent is there
        {"\\Saved", "C:\\Saved"},                 // the root of the program's drive
        {"D:Logs", "D:\\Logs"},                     // another drive: in its root
        {"c:Kept", "C:\\Tools\\Kept"},            // the program's drive: the program folder
        {"..\\Beside", "C:\\Beside"},             // ".." ends the chain as a drive does
    };
    for (const auto& [typed, place] : cases) {
        d.boxes.shown.clear();
        typeSaveFolder(typed);
        d.boxes.script.pushButton(win::kIdYes);
        click(controls().Save_Button);

        ASSERT_FALSE(d.boxes.shown.empty()) << typed;
        EXPECT_EQ(d.boxes.shown[0].text, txt::kAskCreateFolder);
        EXPECT_EQ(d.boxes.shown.size(), 1u) << typed;  // no error after it
        EXPECT_TRUE(FolderExists(d.files, place)) << typed;
        EXPECT_EQ(setting("Setting_GroupBox", "OrvexLogPath"), typed);
        EXPECT_EQ(saveFolderPath(), typed);
        EXPECT_EQ(controls().SaveFolder_Edit.text(), typed);
        EXPECT_FALSE(controls().Save_Button.enabled());
    }
    EXPECT_FALSE(exists("Logs\\New"));
}

TEST_F(CommitTest, ATypedRelativeFolderIsCheckedInTheProgramFolderAndStoredAsTyped) {
    makeFolder("C:\\Tools\\Logs\\Sub");
    for (const std::string typed : {"Logs", "Logs\\Sub"}) {
        typeSaveFolder(typed);
        click(controls().Save_Button);
        EXPECT_EQ(setting("Setting_GroupBox", "OrvexLogPath"), typed);
        EXPECT_EQ(controls().SaveFolder_Edit.text(), typed);
    }
    EXPECT_TRUE(d.boxes.shown.empty());
    EXPECT_FALSE(FolderExists(d.files, "C:\\Tools\\New"));
}

TEST_F(CommitTest, AStoredRelativeOrEmptyFolderSurvivesTheCommitOfAnotherSetting) {
    makeFolder("C:\\Tools\\logs");
    for (const std::string stored : {"logs", "..\\Logs", ""}) {
        writeSettings("[Setting_GroupBox]\r\nOrvexLogPath=" + stored + "\r\n");
        click(controls().Cancel_Button);  // loads it
        showWindow();
        EXPECT_EQ(controls().SaveFolder_Edit.text(), stored);
        clickCheckBox(controls().Month_CheckBox);
        click(controls().OK_Button);
        EXPECT_EQ(setting("Setting_GroupBox", "OrvexLogPath"), stored);
        EXPECT_EQ(setting("FileName_GroupBox", "Month_CheckBox"), "0");
    }
    EXPECT_TRUE(d.boxes.shown.empty());
}

TEST_F(CommitTest, CommitRearmsTheAutoSaveTimerFromTheTrackBar) {
    controls().AutoSave_TrackBar.setPosition(120);
    EXPECT_FALSE(d.timers.running(TimerId::AutoSave));  // nothing changes before the commit
    click(controls().Save_Button);
    EXPECT_TRUE(d.timers.running(TimerId::AutoSave));
    EXPECT_EQ(d.timers.remaining(TimerId::AutoSave), 120u * 60000u);
}

TEST_F(CommitTest, FailedSettingsWriteKeepsTheWindowOpenAndTheChangesPending) {
    controls().Dialog_CheckBox.setChecked(false);
    ASSERT_EQ(::chmod(host("C:\\Tools\\OrvexLog.ini").c_str(), 0444), 0);
    click(controls().OK_Button);

    ASSERT_EQ(d.boxes.shown.size(), 1u);
    EXPECT_EQ(d.boxes.shown[0].caption, txt::kAppTitle);
    EXPECT_NE(d.boxes.shown[0].text.find("C:\\Tools\\OrvexLog.ini"), std::string::npos);
    EXPECT_TRUE(d.view.visible);
    EXPECT_TRUE(controls().Save_Button.enabled());
    EXPECT_EQ(settingsText(), kStoredIni);
}

TEST_F(CommitTest, YearCheckBoxAloneLeavesSaveButtonDisabledButOkStoresIt) {
    clickCheckBox(controls().Year_CheckBox);
    EXPECT_FALSE(controls().Save_Button.enabled());
    click(controls().OK_Button);
    EXPECT_EQ(setting("FileName_GroupBox", "Year_CheckBox"), "0");
}

TEST_F(CommitTest, CancelHidesFirstThenRestoresTypedAndBrowsedFolders) {
    typeSaveFolder("C:\\Typed");
    d.folderBrowser.script.push_back({std::string("C:\\Browsed\\Folder"), {}});
    click(controls().SaveFolder_Button);
    ASSERT_EQ(saveFolderPath(), "C:\\Browsed\\Folder");
    controls().AutoSave_TrackBar.setPosition(90);

    // Loading runs the reactions; record whether the window was still shown.
    bool visibleWhileLoading = true;
    controls().AutoSave_TrackBar.onChange = [&] { visibleWhileLoading = d.view.visible; };
    click(controls().Cancel_Button);

    EXPECT_FALSE(visibleWhileLoading);
    EXPECT_EQ(saveFolderPath(), "C:\\Logs");
    EXPECT_EQ(controls().SaveFolder_Edit.text(), "C:\\Logs");
    EXPECT_EQ(controls().AutoSave_TrackBar.position(), 30);
    EXPECT_FALSE(controls().Save_Button.enabled());
    EXPECT_EQ(settingsText(), kStoredIni);
}

TEST_F(CommitTest, CancelAfterUncheckingTheStoredLaunchOptionAsksForTheExecutableWhileHidden) {
    writeSettings("[Setting_GroupBox]\r\nCreate_CheckBox=1\r\nOrvexLogPath=C:\\Logs\r\n");
    writeFile("C:\\WINDOWS\\orvex3.ini", "[ORVEX]\r\nProductHDRoot=C:\\Orvex\r\n");
    loaded();
    ASSERT_TRUE(controls().Create_CheckBox.checked());
    writeFile("C:\\WINDOWS\\orvex3.ini", "[ORVEX]\r\nOther=1\r\n");  // the chat client moved away meanwhile

    clickCheckBox(controls().Create_CheckBox);
    ASSERT_TRUE(controls().Save_Button.enabled());
    bool visibleDuringQuestion = true;
    d.boxes.script.push({win::kIdOk, {[&] { visibleDuringQuestion = d.view.visible; }}});
    d.openDialog.script.push_back({{"D:\\Orvex\\ORVEX.EXE"}, {}});
    click(controls().Cancel_Button);

    ASSERT_EQ(d.boxes.shown.size(), 1u);
    EXPECT_EQ(d.boxes.shown[0].text, txt::kSpecifyOrvexExe);
    EXPECT_FALSE(visibleDuringQuestion);
    EXPECT_TRUE(controls().Create_CheckBox.checked());
    EXPECT_EQ(chatClientIni("ProductHDRoot"), "D:\\Orvex");
    EXPECT_FALSE(controls().Save_Button.enabled());
}
