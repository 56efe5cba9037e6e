// What the program relies on in private-profile files. Runs natively against
// the portable reader and writer and under Wine against the system functions,
// so the two cannot drift apart.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "shared/profile_under_test.hpp"
#include "shared/sjis_samples.hpp"

namespace {

// Double-byte characters whose second byte is "\".
const std::string kNihongo = "\x93\xFA\x96\x7B\x8C\xEA";  // 日本語

const std::string kMissing = "<missing>";

class ProfileConformance : public ::testing::Test {
protected:
    std::unique_ptr<ProfileUnderTest> env = makeProfileUnderTest();
    ProfilePort& profile = env->profile();
    const std::string file = env->folder() + "\\test.ini";

    void given(const std::string& bytes) { env->writeBytes(file, bytes); }
    std::string bytes() { return env->readBytes(file); }
    std::string read(const std::string& section, const std::string& key, const std::string& def = kMissing) {
        return profile.read(file, section, key, def);
    }
    bool write(const std::string& section, const std::string& key, const std::string& value) {
        return profile.write(file, section, key, value);
    }
};

using Names = std::vector<std::string>;

TEST_F(ProfileConformance, MissingFileReadsDefaultsAndTheFirstWriteCreatesIt) {
    EXPECT_EQ(read("S", "k", "60"), "60");
    EXPECT_EQ(profile.keyNames(file, "S"), Names{});
    EXPECT_FALSE(env->fileExists(file));

    ASSERT_TRUE(write("S", "k", "v"));
    EXPECT_EQ(bytes(), "[S]\r\nk=v\r\n");
    EXPECT_EQ(read("S", "k"), "v");
}

TEST_F(ProfileConformance, NamesMatchWithoutRegardToAsciiCase) {
    given("[File_TabSheet]\r\nRichText_RadioButton=1\r\n");
    EXPECT_EQ(read("file_tabsheet", "RICHTEXT_RADIOBUTTON"), "1");

    ASSERT_TRUE(write("FILE_TABSHEET", "richtext_radiobutton", "0"));
    EXPECT_EQ(bytes(), "[File_TabSheet]\r\nRichText_RadioButton=0\r\n");
}

TEST_F(ProfileConformance, WritesReplaceInPlaceAppendKeysToTheirSectionAndSectionsToTheFile) {
    given("; settings\r\n[A]\r\nx=1\r\ny=2\r\n;about B\r\n[B]\r\nz=3\r\n");

    ASSERT_TRUE(write("A", "x", "9"));
    EXPECT_EQ(bytes(), "; settings\r\n[A]\r\nx=9\r\ny=2\r\n;about B\r\n[B]\r\nz=3\r\n");

    // After the section's last line, which here is the comment.
    ASSERT_TRUE(write("A", "w", "4"));
    EXPECT_EQ(bytes(), "; settings\r\n[A]\r\nx=9\r\ny=2\r\n;about B\r\nw=4\r\n[B]\r\nz=3\r\n");

    ASSERT_TRUE(write("B", "v", "5"));
    ASSERT_TRUE(write("C", "u", "6"));
    EXPECT_EQ(bytes(), "; settings\r\n[A]\r\nx=9\r\ny=2\r\n;about B\r\nw=4\r\n[B]\r\nz=3\r\nv=5\r\n[C]\r\nu=6\r\n");
}

TEST_F(ProfileConformance, AFileWithoutFinalLineEndStillGetsWholeLines) {
    given("[A]\r\nx=1");
    ASSERT_TRUE(write("A", "y", "2"));
    EXPECT_EQ(bytes(), "[A]\r\nx=1\r\ny=2\r\n");

    given("[A]\r\nx=1");
    ASSERT_TRUE(write("B", "z", "3"));
    EXPECT_EQ(bytes(), "[A]\r\nx=1\r\n[B]\r\nz=3\r\n");
}

TEST_F(ProfileConformance, EmptyValueIsNotAMissingKey) {
    given("[S]\r\nempty=\r\nbare\r\n");
    EXPECT_EQ(read("S", "empty"), "");
    EXPECT_EQ(read("S", "bare"), kMissing);  // no "=": no value
    EXPECT_EQ(read("S", "absent"), kMissing);
    EXPECT_EQ(read("T", "empty"), kMissing);

    ASSERT_TRUE(write("S", "written", ""));
    EXPECT_EQ(read("S", "written"), "");
}

TEST_F(ProfileConformance, ValuesReadBackUnchanged) {
    const std::vector<std::string> values = {
        "0", "-1", "C:\\Program Files\\Orvex", "C:\\" + kHyo, "log " + kNihongo + " " + kSo,
        "a=b]c;d", "[x]", "it's", "\"open", "#1", std::string(2047, 'a'),
    };
    for (std::size_t i = 0; i < values.size(); ++i) {
        const std::string key = "k" + std::to_string(i);
        ASSERT_TRUE(write("S", key, values[i])) << i;
        EXPECT_EQ(read("S", key), values[i]) << i;
    }
    for (std::size_t i = 0; i < values.size(); ++i) EXPECT_EQ(read("S", "k" + std::to_string(i)), values[i]) << i;
}

TEST_F(ProfileConformance, DoubleByteCharactersEndingInBackslashStayWhole) {
    // Their second byte must not be taken for anything: not a blank, not the
    // end of the value, and the bytes in the file are exactly these.
    const std::string hyo = "C:\\" + kNihongo + "\\" + kHyo;
    const std::string so = "log" + kSo;
    ASSERT_TRUE(write("Setting_GroupBox", "OrvexLogPath", hyo));
    ASSERT_TRUE(write("FileName_GroupBox", "TopFileName_Edit", so));
    EXPECT_EQ(bytes(), "[Setting_GroupBox]\r\nOrvexLogPath=" + hyo + "\r\n[FileName_GroupBox]\r\nTopFileName_Edit=" +
                           so + "\r\n");
    EXPECT_EQ(read("Setting_GroupBox", "OrvexLogPath"), hyo);
    EXPECT_EQ(read("FileName_GroupBox", "TopFileName_Edit"), so);
}

TEST_F(ProfileConformance, ReadsStopAt2047BytesOfWholeCharacters) {
    const std::string a2046(2046, 'a');
    given("[S]\r\nlong=" + std::string(3000, 'b') + "\r\nfits=" + a2046.substr(1) + kHyo + "\r\nstraddles=" +
          a2046 + kHyo + "\r\nafter=ok\r\n");
    EXPECT_EQ(read("S", "long"), std::string(2047, 'b'));
    EXPECT_EQ(read("S", "fits"), a2046.substr(1) + kHyo);
    EXPECT_EQ(read("S", "straddles"), a2046);
    EXPECT_EQ(read("S", "after"), "ok");

    // The file keeps the whole value; only the read is limited.
    ASSERT_TRUE(write("S", "written", std::string(2100, 'c')));
    EXPECT_NE(bytes().find("written=" + std::string(2100, 'c') + "\r\n"), std::string::npos);
    EXPECT_EQ(read("S", "written"), std::string(2047, 'c'));
}

TEST_F(ProfileConformance, BlanksAroundNamesAndValuesAndEnclosingQuotesAreDropped) {
    given("[ S ]\r\n  key\t=  spaced value \t\r\ndq=\"quoted\"\r\nsq='single'\r\nhalf=\"open\r\n"
          "kept= \" log \" \r\nwide=\x81\x40x\x81\x40\r\n");
    EXPECT_EQ(read("S", "key"), "spaced value");
    EXPECT_EQ(read(" S ", " key "), "spaced value");
    EXPECT_EQ(read("S", "dq"), "quoted");
    EXPECT_EQ(read("S", "sq"), "single");
    EXPECT_EQ(read("S", "half"), "\"open");
    // Quotes keep the blanks inside them, which is how a value with blanks
    // at its ends is stored; the full-width blank is no blank here.
    EXPECT_EQ(read("S", "kept"), " log ");
    EXPECT_EQ(read("S", "wide"), "\x81\x40x\x81\x40");

    ASSERT_TRUE(write("S", "lead", "  value"));
    EXPECT_EQ(read("S", "lead"), "value");
}

TEST_F(ProfileConformance, DefaultComesBackWithoutTrailingSpacesOrQuotes) {
    given("[S]\r\n");
    EXPECT_EQ(read("S", "k", "C:\\Logs  "), "C:\\Logs");
    EXPECT_EQ(read("S", "k", "'x'"), "x");
    EXPECT_EQ(read("S", "k", ""), "");
}

TEST_F(ProfileConformance, TheFirstOfRepeatedSectionsAndKeysWins) {
    given("[S]\r\nk=1\r\nK=2\r\n[s]\r\nk=3\r\nonly=4\r\n");
    EXPECT_EQ(read("S", "k"), "1");
    EXPECT_EQ(read("S", "only"), kMissing);
    EXPECT_EQ(profile.keyNames(file, "S"), (Names{"k", "K"}));

    ASSERT_TRUE(write("s", "K", "9"));
    ASSERT_TRUE(write("s", "only", "5"));
    EXPECT_EQ(bytes(), "[S]\r\nk=9\r\nK=2\r\nonly=5\r\n[s]\r\nk=3\r\nonly=4\r\n");
}

TEST_F(ProfileConformance, KeyNamesListTheKeysThatHaveValues) {
    given("[Other]\r\nx=0\r\n[S]\r\nMainTop=1\r\n;comment=2\r\nbare\r\nempty=\r\n\r\nMainLeft=3\r\n");
    EXPECT_EQ(profile.keyNames(file, "s"), (Names{"MainTop", "empty", "MainLeft"}));
    EXPECT_EQ(profile.keyNames(file, "None"), Names{});
}

TEST_F(ProfileConformance, AnyLineEndIsRead) {
    given("[S]\nlf=1\rcr=2\r\ncrlf=3\n\nlast=4");
    EXPECT_EQ(read("S", "lf"), "1");
    EXPECT_EQ(read("S", "cr"), "2");
    EXPECT_EQ(read("S", "crlf"), "3");
    EXPECT_EQ(read("S", "last"), "4");
}

TEST_F(ProfileConformance, DamagedBytesDoNotHideTheOtherKeys) {
    // A NUL ends a value; a lead byte without its second byte stays in its line.
    given(std::string("[S]\r\nnul=ab") + '\0' + "cd\r\nlone=x\x95\r\nnext=3\r\n" + std::string(5000, 'z') +
          "\r\nend=4\r\n");
    EXPECT_EQ(read("S", "nul"), "ab");
    EXPECT_EQ(read("S", "next"), "3");
    EXPECT_EQ(read("S", "end"), "4");
    ASSERT_TRUE(write("S", "end", "5"));
    EXPECT_EQ(read("S", "next"), "3");
    EXPECT_EQ(read("S", "end"), "5");
}

TEST_F(ProfileConformance, AWriteThatCannotHappenFails) {
    const std::string folderPath = env->folder() + "\\folder.ini";
    env->makeFolder(folderPath);
    EXPECT_FALSE(profile.write(folderPath, "S", "k", "v"));
    EXPECT_EQ(profile.read(folderPath, "S", "k", "def"), "def");

    const std::string noFolder = env->folder() + "\\missing\\x.ini";
    EXPECT_FALSE(profile.write(noFolder, "S", "k", "v"));
    EXPECT_FALSE(env->fileExists(noFolder));
}

TEST_F(ProfileConformance, PathsMayHoldDoubleByteCharacters) {
    const std::string folder = env->folder() + "\\" + kHyo;
    env->makeFolder(folder);
    const std::string path = folder + "\\" + kSo + ".ini";
    ASSERT_TRUE(profile.write(path, "S", "k", "v"));
    EXPECT_EQ(env->readBytes(path), "[S]\r\nk=v\r\n");
    EXPECT_EQ(profile.read(path, "S", "k", ""), "v");
}

TEST_F(ProfileConformance, ABareFileNameLivesInTheWindowsDirectory) {
    const std::string name = "orvexlog-conformance.ini";
    const std::string inWindows = env->windowsDirectory() + "\\" + name;
    env->removeFile(inWindows);
    ASSERT_TRUE(profile.write(name, "ORVEX", "ProductHDRoot", "C:\\Orvex"));
    const std::string stored = env->readBytes(inWindows);
    EXPECT_EQ(profile.read(name, "orvex", "producthdroot", ""), "C:\\Orvex");
    env->removeFile(inWindows);
    EXPECT_EQ(stored, "[ORVEX]\r\nProductHDRoot=C:\\Orvex\r\n");
}

}  // namespace
