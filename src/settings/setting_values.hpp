#pragma once
// Value forms of the settings file: flags are "1"/"0", integers decimal, and a
// read accepts decimal or hexadecimal after "$" (or "0x"/"0X" when the text is
// longer than two characters). Anything else is no value at all, and the
// reader falls back to its own default.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

std::optional<std::int32_t> parseSettingInt(std::string_view text);

// The integer in text, or def when there is none.
std::int32_t settingIntOr(std::string_view text, std::int32_t def);
// On when the integer in text is not zero; def when there is no integer.
bool settingFlagOr(std::string_view text, bool def);

std::string settingFlagText(bool on);
// A text as it is stored so that the profile reader gives it back unchanged:
// the reader drops blanks at both ends and then one pair of enclosing quotes,
// so a text that would lose either goes into double quotes. Any other text is
// stored byte for byte.
std::string settingStoredText(std::string_view text);
std::string settingIntText(std::int32_t value);
