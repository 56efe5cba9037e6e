#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>

#include "errors/app_error.hpp"
#include "errors/general_error.hpp"
#include "native/sim/sim_file_root.hpp"
#include "platform/sim/system/sim_paths.hpp"
#include "platform/sim/system/sim_profile.hpp"
#include "settings/setting_keys.hpp"
#include "settings/settings_file.hpp"
#include "shared/sjis_samples.hpp"
#include "text/texts.hpp"

namespace {
const std::string kIro = "\x90\x46";  // 色
}  // namespace

TEST(SettingsPath, ExtensionOfTheNameBecomesIni) {
    EXPECT_EQ(settingsPathFor("C:\\Tools\\OrvexLog.exe"), "C:\\Tools\\OrvexLog.ini");
    EXPECT_EQ(settingsPathFor("C:\\Tools\\OrvexLog"), "C:\\Tools\\OrvexLog.ini");
    EXPECT_EQ(settingsPathFor("C:\\a.b\\orvex"), "C:\\a.b\\orvex.ini");
    EXPECT_EQ(settingsPathFor("C:\\Tools\\orvex.log.exe"), "C:\\Tools\\orvex.log.ini");
    EXPECT_EQ(settingsPathFor("C:orvex.exe"), "C:orvex.ini");
    EXPECT_EQ(settingsPathFor("C:\\" + kHyo + "\\" + kHyo + ".exe"), "C:\\" + kHyo + "\\" + kHyo + ".ini");
    EXPECT_EQ(settingsPathFor("C:\\" + kHyo + ".d\\" + kHyo), "C:\\" + kHyo + ".d\\" + kHyo + ".ini");
}

TEST(ProgramFolder, TrailingBackslashOnlyForARoot) {
    EXPECT_EQ(programFolderOf("C:\\Tools\\OrvexLog.exe"), "C:\\Tools");
    EXPECT_EQ(programFolderOf("C:\\OrvexLog.exe"), "C:\\");
    EXPECT_EQ(programFolderOf("C:OrvexLog.exe"), "C:");
    EXPECT_EQ(programFolderOf("\\\\server\\share\\OrvexLog.exe"), "\\\\server\\share");
    EXPECT_EQ(programFolderOf("C:\\" + kHyo + "\\OrvexLog.exe"), "C:\\" + kHyo);
    // 表's second byte is not the separator: the name is the whole 表.exe.
    EXPECT_EQ(programFolderOf("C:\\Tools\\" + kHyo + ".exe"), "C:\\Tools");
}

TEST(GeneralError, FullStopAfterALastCharacterAboveIt) {
    EXPECT_EQ(generalErrorText("Disk full"), "Disk full.");
    EXPECT_EQ(generalErrorText("Done."), "Done.");
    EXPECT_EQ(generalErrorText("Really?"), "Really?.");  // "?" is above "."
    EXPECT_EQ(generalErrorText("Stop!"), "Stop!");
    EXPECT_EQ(generalErrorText("a-"), "a-");
    EXPECT_EQ(generalErrorText("C:/"), "C:/.");
    EXPECT_EQ(generalErrorText("C:\\"), "C:\\.");
    // A Japanese message ends in a double-byte character, lead byte > ".".
    EXPECT_EQ(generalErrorText("x" + kHyo), "x" + kHyo + ".");
    EXPECT_EQ(generalErrorText(txt::kCannotWriteFmt), std::string(txt::kCannotWriteFmt) + ".");
    EXPECT_EQ(generalErrorText(""), "");
}

class SettingsFileTest : public ::testing::Test {
protected:
    SimFileRoot root;
    sim::SimProfile profile{"C:\\WINDOWS"};
    const std::string path = "C:\\Tools\\OrvexLog.ini";
    SettingsFile settings{profile, path};

    void SetUp() override { SimFileRoot::makeFolder("C:\\Tools"); }
};

TEST_F(SettingsFileTest, EachReaderHasItsOwnDefault) {
    EXPECT_TRUE(settings.readFlag(keys::kFileTabSheet, keys::kRichTextRadioButton, true));
    EXPECT_FALSE(settings.readFlag(keys::kFileTabSheet, keys::kRichTextRadioButton, false));
    EXPECT_EQ(settings.readInt(keys::kAutoSaveGroup, keys::kAutoSaveTrackBar, 60), 60);
    EXPECT_EQ(settings.readText(keys::kSettingGroup, keys::kOrvexLogPath, "C:\\Tools"), "C:\\Tools");
    EXPECT_FALSE(SimFileRoot::isFile(path));
}

TEST_F(SettingsFileTest, WrittenValuesReadBackInTheirForms) {
    settings.writeFlag(keys::kFileTabSheet, keys::kRichTextRadioButton, true);
    settings.writeFlag(keys::kFileTabSheet, keys::kPlainRadioButton, false);
    settings.writeInt(keys::kFormPosition, keys::kMainTop, -32000);
    settings.writeText(keys::kSettingGroup, keys::kOrvexLogPath, "");
    settings.writeText(keys::kFileNameGroup, keys::kTopFileNameEdit, kIro + kHyo);
    settings.writeText("Blanks", "prefix", "log ");
    settings.writeText("Blanks", "leading", " log");
    settings.writeText("Blanks", "quoted", "'x'");

    EXPECT_EQ(SimFileRoot::read(path),
              "[File_TabSheet]\r\nRichText_RadioButton=1\r\nPlain_RadioButton=0\r\n"
              "[FormPosition]\r\nMainTop=-32000\r\n[Setting_GroupBox]\r\nOrvexLogPath=\r\n"
              "[FileName_GroupBox]\r\nTopFileName_Edit=" + kIro + kHyo + "\r\n"
              "[Blanks]\r\nprefix=\"log \"\r\nleading=\" log\"\r\nquoted=\"'x'\"\r\n");
    EXPECT_TRUE(settings.readFlag(keys::kFileTabSheet, keys::kRichTextRadioButton, false));
    EXPECT_FALSE(settings.readFlag(keys::kFileTabSheet, keys::kPlainRadioButton, true));
    EXPECT_EQ(settings.readInt(keys::kFormPosition, keys::kMainTop, 0), -32000);
    // Present but empty: the empty path, not the reader's default.
    EXPECT_EQ(settings.readText(keys::kSettingGroup, keys::kOrvexLogPath, "C:\\Tools"), "");
    EXPECT_EQ(settings.readText(keys::kFileNameGroup, keys::kTopFileNameEdit, ""), kIro + kHyo);
    EXPECT_EQ(settings.readText("Blanks", "prefix", ""), "log ");
    EXPECT_EQ(settings.readText("Blanks", "leading", ""), " log");
    EXPECT_EQ(settings.readText("Blanks", "quoted", ""), "'x'");
}

TEST_F(SettingsFileTest, StoredFormsOfFlagsAndIntegers) {
    SimFileRoot::makeFile(path, "[S]\r\ntwo=2\r\nminus=-1\r\nhex=0x10\r\nzero=0x0\r\nyes=yes\r\nempty=\r\n");
    EXPECT_TRUE(settings.readFlag("S", "two", false));
    EXPECT_TRUE(settings.readFlag("S", "minus", false));
    EXPECT_FALSE(settings.readFlag("S", "zero", true));
    EXPECT_TRUE(settings.readFlag("S", "yes", true));
    EXPECT_FALSE(settings.readFlag("S", "empty", false));
    EXPECT_EQ(settings.readInt("S", "hex", 0), 16);
    EXPECT_EQ(settings.readInt("S", "yes", 60), 60);
}

TEST_F(SettingsFileTest, AFailedWriteThrowsWithTheFilePathAndKeepsEarlierKeys) {
    settings.writeInt(keys::kFormPosition, keys::kMainTop, 10);
    const std::string before = SimFileRoot::read(path);
    ::chmod(sim::hostPath(path).c_str(), 0444);  // read-only file

    const std::string format = txt::kCannotWriteFmt;
    const std::string expected = format.substr(0, format.find("%s")) + path + format.substr(format.find("%s") + 2);
    try {
        settings.writeInt(keys::kFormPosition, keys::kMainLeft, 20);
        FAIL() << "no error";
    } catch (const AppError& error) {
        EXPECT_EQ(error.what(), expected);
    }
    EXPECT_EQ(SimFileRoot::read(path), before);
    EXPECT_EQ(settings.readInt(keys::kFormPosition, keys::kMainTop, 0), 10);
}
