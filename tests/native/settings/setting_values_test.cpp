#include <gtest/gtest.h>

#include <optional>

#include "settings/setting_values.hpp"

namespace {
const std::optional<std::int32_t> kNone;
}

TEST(SettingValues, DecimalAndHexadecimalForms) {
    EXPECT_EQ(parseSettingInt("60"), 60);
    EXPECT_EQ(parseSettingInt("-1"), -1);
    EXPECT_EQ(parseSettingInt("+5"), 5);
    EXPECT_EQ(parseSettingInt("007"), 7);
    EXPECT_EQ(parseSettingInt("$10"), 16);
    EXPECT_EQ(parseSettingInt("$fF"), 255);
    EXPECT_EQ(parseSettingInt("-$10"), -16);
    EXPECT_EQ(parseSettingInt("0x10"), 16);
    EXPECT_EQ(parseSettingInt("0X1f"), 31);
    EXPECT_EQ(parseSettingInt("0x0"), 0);
    EXPECT_EQ(parseSettingInt("   12"), 12);
}

TEST(SettingValues, ThirtyTwoBitLimits) {
    EXPECT_EQ(parseSettingInt("2147483647"), 2147483647);
    EXPECT_EQ(parseSettingInt("2147483648"), kNone);
    EXPECT_EQ(parseSettingInt("-2147483648"), INT32_MIN);
    EXPECT_EQ(parseSettingInt("-2147483649"), kNone);
    EXPECT_EQ(parseSettingInt("99999999999999999999"), kNone);
    // Hexadecimal is the bit pattern.
    EXPECT_EQ(parseSettingInt("$FFFFFFFF"), -1);
    EXPECT_EQ(parseSettingInt("0x80000000"), INT32_MIN);
    EXPECT_EQ(parseSettingInt("-$FFFFFFFF"), 1);
    EXPECT_EQ(parseSettingInt("$000000000001"), 1);
    EXPECT_EQ(parseSettingInt("$100000000"), kNone);
}

TEST(SettingValues, AnythingElseIsNoNumber) {
    for (const char* text : {"", " ", "-", "+", "$", "-$", "0x", "0X", "x10", "$-1", "0x-1", "-0x10", "1.5", "5 ",
                             "\t5", "1e3", "TRUE", "yes", "$G", "--1", "+-1", " 0x10"}) {
        EXPECT_EQ(parseSettingInt(text), kNone) << '"' << text << '"';
    }
    EXPECT_EQ(parseSettingInt(std::string_view("1\0" "2", 3)), kNone);
}

TEST(SettingValues, FlagsAndIntegersFallBackToTheReadersDefault) {
    EXPECT_TRUE(settingFlagOr("2", false));
    EXPECT_TRUE(settingFlagOr("-1", false));
    EXPECT_FALSE(settingFlagOr("0x0", true));
    EXPECT_FALSE(settingFlagOr("0", true));
    EXPECT_TRUE(settingFlagOr("TRUE", true));
    EXPECT_FALSE(settingFlagOr("yes", false));
    EXPECT_TRUE(settingFlagOr("", true));
    EXPECT_EQ(settingIntOr("abc", 60), 60);
    EXPECT_EQ(settingIntOr("500", 60), 500);

    EXPECT_EQ(settingFlagText(true), "1");
    EXPECT_EQ(settingFlagText(false), "0");
    EXPECT_EQ(settingIntText(-42), "-42");
    EXPECT_EQ(settingIntText(INT32_MIN), "-2147483648");
    EXPECT_EQ(parseSettingInt(settingIntText(INT32_MIN)), INT32_MIN);
}
