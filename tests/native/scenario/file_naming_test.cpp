// Log file names from the settings file and the sample from the controls.
#include "native/scenario/desktop_fixture.hpp"

#include "capture/log_name_pattern.hpp"
#include "text/texts.hpp"

namespace {
const std::string kStored =
    "[Setting_GroupBox]\r\nOrvexLogPath=C:\\Logs\r\n"
    "[FileName_GroupBox]\r\nYear2_RadioButton=1\r\n";
}  // namespace

class FileNamingTest : public DesktopTest {
protected:
    std::string make(const std::string& extraFileNameKeys, const std::string& id = "1") {
        writeSettings(kStored + extraFileNameKeys);
        return form().naming.MakeLogFileName(id);
    }
    std::string sample() { return form().form.controls.FileNameSample_Label.caption(); }
};

TEST_F(FileNamingTest, OnlyTheFolderStoredGivesAFourDigitYearWhileTheSampleShowsTwo) {
    writeSettings("[Setting_GroupBox]\r\nOrvexLogPath=C:\\Logs\r\n");
    EXPECT_EQ(form().naming.MakeLogFileName("1"), "C:\\Logs\\20240105_1.rtf");
    form().naming.UpdateFileNameSample();
    EXPECT_EQ(sample(), std::string(txt::kSamplePrefix) + "240105_1.rtf");
}

TEST_F(FileNamingTest, SeparatorsIdentifiersPrefixAndFormat) {
    EXPECT_EQ(make("Plain_RadioButton1=0\r\nPlain_RadioButton2=1\r\n"), "C:\\Logs\\240105(1).rtf");
    EXPECT_EQ(make("Plain_RadioButton1=0\r\n"), "C:\\Logs\\240105 1.rtf");
    EXPECT_EQ(make("Plain_CheckBox=0\r\n"), "C:\\Logs\\2401051.rtf");
    EXPECT_EQ(make("", "0905"), "C:\\Logs\\240105_0905.rtf");
    const std::string noDate = "TopFileName_Edit=log\r\nYear_CheckBox=0\r\nMonth_CheckBox=0\r\nDay_CheckBox=0\r\n";
    EXPECT_EQ(make(noDate), "C:\\Logs\\log_1.rtf");
    EXPECT_EQ(make(noDate + "[File_TabSheet]\r\nRichText_RadioButton=0\r\n"), "C:\\Logs\\log_1.txt");
}

TEST_F(FileNamingTest, FolderGetsOneBackslashByWholeCharacters) {
    writeSettings("[Setting_GroupBox]\r\nOrvexLogPath=C:\\\r\n[FileName_GroupBox]\r\nYear2_RadioButton=1\r\n");
    EXPECT_EQ(form().naming.MakeLogFileName("1"), "C:\\240105_1.rtf");
    // Empty or relative: in the program folder, never in the current one.
    writeSettings("[Setting_GroupBox]\r\nOrvexLogPath=\r\n[FileName_GroupBox]\r\nYear2_RadioButton=1\r\n");
    EXPECT_EQ(form().naming.MakeLogFileName("1"), "C:\\Tools\\240105_1.rtf");
    writeSettings("[Setting_GroupBox]\r\nOrvexLogPath=Logs\r\n[FileName_GroupBox]\r\nYear2_RadioButton=1\r\n");
    EXPECT_EQ(form().naming.MakeLogFileName("1"), "C:\\Tools\\Logs\\240105_1.rtf");
    // A folder ending in ソ (83 5C) still needs its separator.
    writeSettings("[Setting_GroupBox]\r\nOrvexLogPath=C:\\\x83\x5C\r\n[FileName_GroupBox]\r\nYear2_RadioButton=1\r\n");
    EXPECT_EQ(form().naming.MakeLogFileName("1"), "C:\\\x83\x5C\\240105_1.rtf");
}

TEST_F(FileNamingTest, NoSettingsFileUsesTheProgramFolder) {
    EXPECT_EQ(form().naming.MakeLogFileName("7"), "C:\\Tools\\20240105_7.rtf");
}

TEST_F(FileNamingTest, ForbiddenPrefixCharacterEmptiesThePrefixAfterTheError) {
    Edit& prefix = form().form.controls.TopFileName_Edit;
    prefix.setText("a");
    EXPECT_EQ(sample(), std::string(txt::kSamplePrefix) + "a240105_1.rtf");
    prefix.setText("a/b");
    ASSERT_EQ(d.boxes.shown.size(), 1u);
    EXPECT_EQ(d.boxes.shown[0].text, txt::kBadPrefix);
    EXPECT_EQ(d.boxes.shown[0].caption, txt::kCaptionError);
    EXPECT_EQ(d.boxes.shown[0].flags, win::kMbOk | win::kMbIconError);
    EXPECT_EQ(prefix.text(), "");
    EXPECT_EQ(sample(), std::string(txt::kSamplePrefix) + "240105_1.rtf");
}

TEST_F(FileNamingTest, StoredPrefixThatTheCheckRefusesNeverReachesThePath) {
    // Loading such a prefix empties the box; the name goes without it too,
    // so no log leaves the folder and no stream name is made.
    for (const char* refused : {"..\\Outside\\x", "x:y", "a/b", "C:\\x", "|"})
        EXPECT_EQ(make(std::string("TopFileName_Edit=") + refused + "\r\n"), "C:\\Logs\\240105_1.rtf") << refused;
    // Accepted prefixes keep working as stored, longer than the box's 14 bytes too.
    EXPECT_EQ(make("TopFileName_Edit=..\x83\x5C\x83\x7C\r\n"), "C:\\Logs\\..\x83\x5C\x83\x7C" "240105_1.rtf");
    EXPECT_EQ(make("TopFileName_Edit=a_prefix_of_20_bytes\r\n"), "C:\\Logs\\a_prefix_of_20_bytes240105_1.rtf");
}

TEST_F(FileNamingTest, DoubleByteCharactersEndingInSeparatorBytesAreAcceptedPrefixes) {
    Edit& prefix = form().form.controls.TopFileName_Edit;
    prefix.setText("\x83\x5C\x83\x7C");  // ソポ
    EXPECT_TRUE(d.boxes.shown.empty());
    EXPECT_EQ(prefix.text(), "\x83\x5C\x83\x7C");
}

TEST_F(FileNamingTest, OnlyTheOptionChoicesMarkTheWindowChanged) {
    PropertiesControls& c = form().form.controls;
    c.Save_Button.setEnabled(false);
    c.Year_CheckBox.setChecked(false);
    EXPECT_FALSE(c.Year2_RadioButton.enabled());
    EXPECT_FALSE(c.Year4_RadioButton.enabled());
    EXPECT_EQ(sample(), std::string(txt::kSamplePrefix) + "0105_1.rtf");
    c.Plain_CheckBox.setChecked(false);
    EXPECT_FALSE(c.Plain_RadioButton1.enabled() || c.Plain_RadioButton2.enabled() || c.Plain_RadioButton3.enabled());
    c.TopFileName_Edit.setText("x");
    EXPECT_FALSE(c.Save_Button.enabled());

    c.Number_CheckBox.setChecked(false);
    EXPECT_TRUE(c.Save_Button.enabled());
    EXPECT_EQ(sample(), std::string(txt::kSamplePrefix) + "x01050905.rtf");
}

TEST(LogNameDigitsTest, DateFieldsAreZeroPaddedAsTheFormatWidthsSay) {
    // Each field is padded to its width and never cut; the two-digit year
    // keeps the last two digits.
    struct Row {
        LocalTime date;
        bool twoDigitYear;
        const char* name;
    };
    const Row rows[] = {
        {{2024, 1, 5, 9, 5}, false, "20240105_1.rtf"},
        {{2024, 12, 31, 23, 59}, true, "241231_1.rtf"},
        {{2005, 10, 1, 0, 0}, true, "051001_1.rtf"},
        {{987, 1, 1, 0, 0}, false, "09870101_1.rtf"},
        {{7, 1, 1, 0, 0}, false, "00070101_1.rtf"},
        {{12345, 1, 1, 0, 0}, false, "123450101_1.rtf"},
        {{2100, 1, 1, 0, 0}, true, "000101_1.rtf"},
    };
    for (const Row& row : rows) {
        LogNamePattern pattern;
        pattern.twoDigitYear = row.twoDigitYear;
        EXPECT_EQ(composeLogName(pattern, row.date, "1"), row.name) << row.date.year;
    }
    EXPECT_EQ(timeIdentifier({2024, 1, 5, 9, 5}), "0905");
    EXPECT_EQ(timeIdentifier({2024, 1, 5, 23, 59}), "2359");
}
