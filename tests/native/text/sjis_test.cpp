#include <gtest/gtest.h>

#include "shared/sjis_samples.hpp"
#include "text/sjis.hpp"
#include "text/texts.hpp"

namespace {
// Double-byte characters whose second byte looks like a separator.
const std::string kPo = "\x83\x7C";  // ポ
}  // namespace

TEST(Sjis, SeparatorsInsideDoubleByteCharactersAreNotFound) {
    EXPECT_EQ(sjis::findLastOf("C:\\" + kHyo + "\\Logs", "\\"), 2u + 2u + 1u);
    EXPECT_EQ(sjis::findFirstOf(kSo + kPo, "\\|"), sjis::npos);
    EXPECT_EQ(sjis::findFirstOf(kSo + "|", "\\|"), 2u);
    EXPECT_EQ(sjis::findLastOf("a" + kHyo, "\\:"), sjis::npos);
    EXPECT_FALSE(sjis::endsWithChar("C:\\" + kHyo, '\\'));
    EXPECT_TRUE(sjis::endsWithChar("C:\\" + kHyo + "\\", '\\'));
    EXPECT_TRUE(sjis::endsWithChar("\\", '\\'));
    EXPECT_FALSE(sjis::endsWithChar("", '\\'));
}

TEST(Sjis, AllLeadByteRangesPairWithTheNextByte) {
    for (int b : {0x81, 0x9F, 0xE0, 0xFC}) {
        const std::string s = std::string(1, static_cast<char>(b)) + "\\";
        EXPECT_EQ(sjis::charCount(s), 1u) << b;
        EXPECT_FALSE(sjis::endsWithChar(s, '\\')) << b;
    }
    for (int b : {0x80, 0xA0, 0xDF, 0xFD}) {
        const std::string s = std::string(1, static_cast<char>(b)) + "\\";
        EXPECT_EQ(sjis::charCount(s), 2u) << b;
        EXPECT_TRUE(sjis::endsWithChar(s, '\\')) << b;
    }
}

TEST(Sjis, LoneLeadByteAtTheEndIsOneCharacterAndNothingIsReadPastIt) {
    // Built from a larger buffer so a read past the view would see the "\".
    const std::string buffer = "ab\x95\\";
    const std::string_view s(buffer.data(), 3);
    EXPECT_EQ(sjis::charLength(s, 2), 1u);
    EXPECT_EQ(sjis::lastCharStart(s), 2u);
    EXPECT_EQ(sjis::charCount(s), 3u);
    EXPECT_FALSE(sjis::endsWithChar(s, '\\'));
    EXPECT_EQ(sjis::findLastOf(s, "\\"), sjis::npos);
}

TEST(Sjis, FolderAndNameParts) {
    EXPECT_EQ(sjis::folderPart("C:\\Tools\\orvexlog.exe"), "C:\\Tools\\");
    EXPECT_EQ(sjis::namePart("C:\\Tools\\orvexlog.exe"), "orvexlog.exe");
    EXPECT_EQ(sjis::namePart("C:x.rtf"), "x.rtf");
    EXPECT_EQ(sjis::folderPart("Logs"), "");
    EXPECT_EQ(sjis::namePart("C:\\" + kHyo), kHyo);
}

TEST(Sjis, LowerAsciiLeavesDoubleByteCharactersAlone) {
    // 0x83 0x41 is ア: its second byte is "A" and must stay.
    EXPECT_EQ(sjis::lowerAscii("C:\\Tools\\QUORLA.EXE"), "c:\\tools\\quorla.exe");
    EXPECT_EQ(sjis::lowerAscii("\x83\x41X"), "\x83\x41x");
}

// The texts are written in UTF-8 and reach the program as CP932 bytes, by
// GCC's own conversion or, for clang, by the escaped copy made at build time:
// a trail byte 0x5C (表) stays a trail byte, and the escapes beside the
// Japanese (\\, \", \r\n) stay what they were.
TEST(Sjis, TheProgramsTextsAreCp932WhicheverCompilerBuiltThem) {
    EXPECT_EQ(std::string(txt::kMenuSave), "\x95\xDB\x91\xB6(&S)");
    EXPECT_NE(std::string(txt::kNoLogWindow).find(kHyo + "\x8E\xA6\x82\xB5\x82\xC4"), std::string::npos);  // 表示して
    const std::string badPrefix = txt::kBadPrefix;
    EXPECT_EQ(badPrefix.substr(0, 12), "\x83\x74\x83\x40\x83\x43\x83\x8B\x96\xBC\x82\xC9");  // ファイル名に
    EXPECT_EQ(badPrefix.substr(12, 21), " \\ / : * ? \" < > | \x82\xCD");
    EXPECT_EQ(badPrefix.find("\r\n"), 50u);
}
