#include "settings/setting_values.hpp"

#include "text/sjis.hpp"

namespace {
// The digit's value, or -1 when it is none (a-f and A-F only in hexadecimal).
int digitValue(char c, bool hex) {
    if (c >= '0' && c <= '9') return c - '0';
    if (hex && c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (hex && c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}
}  // namespace

std::optional<std::int32_t> parseSettingInt(std::string_view text) {
    std::string s(text);
    if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) s.replace(0, 2, "$");

    // The conversion is the one of the runtime the program was first built
    // with (StrToIntDef): leading spaces (not tabs) are skipped, then one sign,
    // then "$" and up to 32 bits of hexadecimal ($FFFFFFFF is -1) or decimal
    // that fits in 32 bits signed. Trailing characters of any kind, a lone
    // sign or "$" make it no number.
    std::size_t i = 0;
    while (i < s.size() && s[i] == ' ') ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) negative = s[i++] == '-';
    const bool hex = i < s.size() && s[i] == '$';
    if (hex) ++i;
    if (i >= s.size()) return std::nullopt;

    const std::uint64_t limit = hex ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
    std::uint64_t value = 0;
    for (; i < s.size(); ++i) {
        const int digit = digitValue(s[i], hex);
        if (digit < 0) return std::nullopt;
        value = value * (hex ? 16u : 10u) + static_cast<unsigned>(digit);
        if (value > limit) return std::nullopt;
    }
    // Hexadecimal is the 32-bit pattern; negation wraps as it does in 32 bits.
    const auto bits = static_cast<std::uint32_t>(value);
    const std::uint32_t result = negative ? 0u - bits : bits;
    return static_cast<std::int32_t>(result);
}

std::int32_t settingIntOr(std::string_view text, std::int32_t def) { return parseSettingInt(text).value_or(def); }

bool settingFlagOr(std::string_view text, bool def) {
    const std::optional<std::int32_t> value = parseSettingInt(text);
    return value ? *value != 0 : def;
}

std::string settingStoredText(std::string_view text) {
    if (text.empty()) return std::string(text);
    // Blanks and quotes are single-byte characters that are never lead bytes:
    // the last byte is one only when it is not the second of a pair.
    const auto blank = [](char c) {
        const auto b = static_cast<unsigned char>(c);
        return (b >= 0x09 && b <= 0x0D) || b == 0x1A || b == ' ';
    };
    const bool lastSingle = sjis::lastCharStart(text) == text.size() - 1;
    const bool blankEnd = blank(text.front()) || (lastSingle && blank(text.back()));
    const bool enclosed = text.size() >= 2 && (text.front() == '"' || text.front() == '\'') && lastSingle &&
                          text.back() == text.front();
    if (!blankEnd && !enclosed) return std::string(text);
    return '"' + std::string(text) + '"';
}

std::string settingFlagText(bool on) { return on ? "1" : "0"; }

std::string settingIntText(std::int32_t value) { return std::to_string(value); }
