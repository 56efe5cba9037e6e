#pragma once
// Value forms of the settings file: flags are "1"/"0", integers decimal, and a
// read accepts decimal or hexadecimal after "$" (or "0x"/"0X" when the text is
// longer than two characters). Anything else is no value at all, and the
// reader falls back to its own default.
#include <cstdint>
#include <optional>
#include <string_view>

std::optional<std::int32_t> parseSettingInt(std::string_view text);
