// Moving the whole set of settings between the settings file and the
// window's controls.
#include "native/scenario/desktop_fixture.hpp"

#include "errors/app_error.hpp"
#include "text/texts.hpp"

class SettingsTransferTest : public DesktopTest {
protected:
    PropertiesControls& c() { return form().form.controls; }
    void load() { form().transfer.LoadSettings(); }
};

TEST_F(SettingsTransferTest, FirstCommitOfTheInitialControlsWritesEveryKeyInOrder) {
    load();  // as at start-up, with no settings file yet
    form().transfer.WriteSettings();
    EXPECT_EQ(settingsText(),
              "[File_TabSheet]\r\n"
              "RichText_RadioButton=1\r\n"
              "Plain_RadioButton=0\r\n"
              "[FileName_GroupBox]\r\n"
              "TopFileName_Edit=\r\n"
              "Year_CheckBox=1\r\n"
              "Year2_RadioButton=1\r\n"
              "Year4_RadioButton=0\r\n"
              "Month_CheckBox=1\r\n"
              "Day_CheckBox=1\r\n"
              "Number_CheckBox=1\r\n"
              "Plain_CheckBox=1\r\n"
              "Plain_RadioButton1=1\r\n"
              "Plain_RadioButton2=0\r\n"
              "Plain_RadioButton3=0\r\n"
              "[Setting_GroupBox]\r\n"
              "Create_CheckBox=0\r\n"
              "Dialog_CheckBox=1\r\n"
              "AutoSaveOn_CheckBox=1\r\n"
              "Save_RadioButton=0\r\n"
              "MainForm_RadioButton=0\r\n"
              "None_RadioButton=1\r\n"
              "OrvexLogPath=C:\\Tools\r\n"
              "[AutoSave_GroupBox]\r\n"
              "AutoSave_CheckBox=1\r\n"
              "AutoSaveMenu_CheckBox=1\r\n"
              "AutoSave_TrackBar=60\r\n");
    EXPECT_TRUE(form().form.AutoSave_Timer.enabled());
    EXPECT_EQ(form().form.AutoSave_Timer.interval(), 60u * 60000u);
}

TEST_F(SettingsTransferTest, WithoutSettingsFileEveryControlGetsItsInitialState) {
    // Also when loading after changes that were never committed (キャンセル).
    c().Month_CheckBox.setChecked(false);
    c().MainForm_RadioButton.setChecked(true);
    c().TopFileName_Edit.setText("x");
    load();
    EXPECT_TRUE(c().Month_CheckBox.checked());
    EXPECT_EQ(c().TopFileName_Edit.text(), "");
    EXPECT_TRUE(c().RichText_RadioButton.checked());
    EXPECT_TRUE(c().Year2_RadioButton.checked());
    EXPECT_TRUE(c().None_RadioButton.checked());
    EXPECT_FALSE(c().Create_CheckBox.checked());
    EXPECT_FALSE(c().DeleteQuorlaPath_Button.enabled());
    EXPECT_EQ(c().AutoSave_TrackBar.position(), 60);
    EXPECT_EQ(c().AutoSave_Label.caption(), std::string("60") + txt::kMinutesSuffix);
    EXPECT_EQ(form().form.SaveFolderPath, "C:\\Tools");
    EXPECT_EQ(c().SaveFolder_Edit.text(), "C:\\Tools");
}

TEST_F(SettingsTransferTest, ValueFormsOfFlagsAndIntegers) {
    writeSettings(
        "[FileName_GroupBox]\r\nMonth_CheckBox=2\r\nDay_CheckBox=-1\r\nNumber_CheckBox=yes\r\n"
        "Year_CheckBox=0x0\r\nPlain_CheckBox=\r\n"
        "[AutoSave_GroupBox]\r\nAutoSave_TrackBar=0x14\r\n");
    c().Number_CheckBox.setChecked(false);  // not the default: the designed state is
    load();
    EXPECT_TRUE(c().Month_CheckBox.checked());
    EXPECT_TRUE(c().Day_CheckBox.checked());
    EXPECT_TRUE(c().Number_CheckBox.checked());
    EXPECT_FALSE(c().Year_CheckBox.checked());
    EXPECT_TRUE(c().Plain_CheckBox.checked());
    EXPECT_EQ(c().AutoSave_TrackBar.position(), 20);
}

TEST_F(SettingsTransferTest, IntervalIsClampedOnLoadAndStoredClamped) {
    for (const auto& [stored, loaded] : {std::pair{"5", 10}, {"500", 120}, {"abc", 60}}) {
        writeSettings(std::string("[AutoSave_GroupBox]\r\nAutoSave_TrackBar=") + stored + "\r\n");
        load();
        EXPECT_EQ(c().AutoSave_TrackBar.position(), loaded) << stored;
    }
    writeSettings("[AutoSave_GroupBox]\r\nAutoSave_TrackBar=5\r\n");
    load();
    form().transfer.WriteSettings();
    EXPECT_NE(settingsText().find("AutoSave_TrackBar=10\r\n"), std::string::npos);
}

TEST_F(SettingsTransferTest, BothFormatFlagsOnLeavesTheLaterCheckedAndBothOffNeither) {
    writeSettings("[File_TabSheet]\r\nRichText_RadioButton=1\r\nPlain_RadioButton=1\r\n");
    load();
    EXPECT_TRUE(c().Plain_RadioButton.checked());
    EXPECT_FALSE(c().RichText_RadioButton.checked());
    writeSettings("[File_TabSheet]\r\nRichText_RadioButton=0\r\nPlain_RadioButton=0\r\n");
    load();
    EXPECT_FALSE(c().Plain_RadioButton.checked() || c().RichText_RadioButton.checked());
}

TEST_F(SettingsTransferTest, StoredPrefixLoadsUnlimitedButAForbiddenOneIsRefused) {
    writeSettings("[FileName_GroupBox]\r\nTopFileName_Edit=abcdefghijklmnopqrst\r\n");
    load();
    EXPECT_EQ(c().TopFileName_Edit.text(), "abcdefghijklmnopqrst");
    EXPECT_TRUE(d.boxes.shown.empty());

    writeSettings("[FileName_GroupBox]\r\nTopFileName_Edit=a:b\r\n");
    load();
    ASSERT_EQ(d.boxes.shown.size(), 1u);
    EXPECT_EQ(d.boxes.shown[0].text, txt::kBadPrefix);
    EXPECT_EQ(c().TopFileName_Edit.text(), "");
    EXPECT_NE(settingsText().find("TopFileName_Edit=a:b"), std::string::npos);  // the file keeps it
}

TEST_F(SettingsTransferTest, AnEmptyOrRelativeSaveFolderLoadsAsStoredNotAsTheDefault) {
    for (const std::string stored : {"", "logs"}) {
        writeSettings("[Setting_GroupBox]\r\nOrvexLogPath=" + stored + "\r\nQuorlaPath=C:\\Q\\Quorla.exe\r\n");
        load();
        EXPECT_EQ(form().form.SaveFolderPath, stored);
        EXPECT_EQ(c().SaveFolder_Edit.text(), stored);
    }
    EXPECT_TRUE(c().DeleteQuorlaPath_Button.enabled());
}

TEST_F(SettingsTransferTest, FailedWriteStopsAtThatKeyAndLeavesTheTimerAlone) {
    makeFolder("C:\\Tools\\OrvexLog.ini");  // a folder where the file should be
    EXPECT_THROW(form().transfer.WriteSettings(), AppError);
    EXPECT_FALSE(form().form.AutoSave_Timer.enabled());
}
