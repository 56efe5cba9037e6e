// The portable reader and writer beyond what the conformance suite can check
// against Wine: Windows edits the file in place, while Wine rewrites it whole
// (dropping blank lines and respacing entries), so byte-for-byte keeping of
// untouched lines is checked here.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "settings/ini_document.hpp"

TEST(IniDocument, UntouchedLinesKeepEveryByte) {
    IniDocument doc("; top\n\n[A]\n  x = 1  \n\t; note\n\n\n[B]\ny=2");
    EXPECT_FALSE(doc.write("A", "x", "1"));  // same value: nothing to write
    EXPECT_EQ(doc.bytes(), "; top\n\n[A]\n  x = 1  \n\t; note\n\n\n[B]\ny=2");

    ASSERT_TRUE(doc.write("a", "X", "5"));
    EXPECT_EQ(doc.bytes(), "; top\n\n[A]\nx=5\n\t; note\n\n\n[B]\ny=2");
    // Before the blank lines that separate the sections.
    ASSERT_TRUE(doc.write("A", "z", "3"));
    EXPECT_EQ(doc.bytes(), "; top\n\n[A]\nx=5\n\t; note\nz=3\r\n\n\n[B]\ny=2");
    ASSERT_TRUE(doc.write("B", "w", "4"));
    EXPECT_EQ(doc.bytes(), "; top\n\n[A]\nx=5\n\t; note\nz=3\r\n\n\n[B]\ny=2\r\nw=4\r\n");
}

TEST(IniDocument, SectionHeadersRunToTheLastBracket) {
    IniDocument doc("[A] ; old\r\na=1\r\n[b]c]\r\nbc=2\r\n[open\r\nop=3\r\n");
    EXPECT_EQ(doc.read("A", "a", "-"), "1");
    EXPECT_EQ(doc.read("b]c", "bc", "-"), "2");
    EXPECT_EQ(doc.read("b", "bc", "-"), "-");
    EXPECT_EQ(doc.read("b]c", "op", "-"), "3");  // "[open" is an entry of b]c
    EXPECT_EQ(doc.read("open", "op", "-"), "-");
}

TEST(IniDocument, EntriesBeforeTheFirstSectionBelongToTheUnnamedOne) {
    IniDocument doc("top=1\r\n[S]\r\nk=2\r\n");
    EXPECT_EQ(doc.read("", "top", "-"), "1");
    ASSERT_TRUE(doc.write("", "new", "3"));
    EXPECT_EQ(doc.bytes(), "top=1\r\nnew=3\r\n[S]\r\nk=2\r\n");
}

TEST(IniDocument, ALeadByteNeverPairsWithALineEnd) {
    // Wine would take the line end as the second byte and merge the lines.
    IniDocument doc("[S]\nb=x\x95\nc=3\n");
    EXPECT_EQ(doc.read("S", "b", "-"), "x\x95");
    EXPECT_EQ(doc.read("S", "c", "-"), "3");
    // ...but pairs with any other byte, even a blank or "=".
    IniDocument paired("[S]\r\nv=\x95 \r\n\x95=k=1\r\n");
    EXPECT_EQ(paired.read("S", "v", "-"), "\x95 ");
    EXPECT_EQ(paired.read("S", "\x95=k", "-"), "1");
}

TEST(IniDocument, QuotedValuesAtTheLimitLoseWhatTheSystemLoses) {
    const std::string a2047(2047, 'a');
    IniDocument doc("[S]\r\nq=\"" + a2047 + "\"\r\nlonger=\"" + a2047 + "aa\"\r\nshort=\"" + a2047.substr(1) + "\"\r\n");
    EXPECT_EQ(doc.read("S", "q", ""), a2047.substr(1));  // 2047 inside quotes: one less, as measured
    EXPECT_EQ(doc.read("S", "longer", ""), a2047);
    EXPECT_EQ(doc.read("S", "short", ""), a2047.substr(1));
    EXPECT_EQ(IniDocument::defaultValue("  "), " ");  // the first character stays
    EXPECT_EQ(IniDocument::defaultValue(std::string(3000, 'd')), std::string(2047, 'd'));
}

TEST(IniDocument, AnyBytesParseAndAWriteAlwaysReadsBack) {
    std::uint32_t seed = 12345;
    auto next = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return static_cast<char>((seed >> 16) & 0xFF);
    };
    const char kAlphabet[] = "[]=;\r\n \t\x95\x5C" "Sk\0";
    const std::string alphabet(kAlphabet, sizeof kAlphabet - 1);
    for (int round = 0; round < 300; ++round) {
        std::string bytes;
        const int length = round * 7;
        for (int i = 0; i < length; ++i) {
            const char c = next();
            bytes += (c & 1) ? alphabet[static_cast<unsigned char>(c) % alphabet.size()] : c;
        }
        IniDocument doc(bytes);
        (void)doc.read("S", "k", "d");
        (void)doc.keyNames("S");
        doc.write("S", "k", "value");
        EXPECT_EQ(doc.read("S", "k", "d"), "value") << round;
        EXPECT_EQ(IniDocument(doc.bytes()).read("s", "K", "d"), "value") << round;
    }
}
