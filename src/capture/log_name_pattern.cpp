#include "capture/log_name_pattern.hpp"

#include "text/sjis.hpp"

namespace {
constexpr const char* kForbiddenInFileName = "\\/:*?\"<>|";

// The value in decimal, zeros in front up to `width` characters (sign
// included), as "%0*d" writes it; by hand, since the C library's formatter
// brings its floating-point code (about 27 KB) into the exe.
std::string padded(int value, std::size_t width) {
    const bool negative = value < 0;
    std::string digits = std::to_string(negative ? -static_cast<long long>(value) : value);
    const std::size_t used = digits.size() + (negative ? 1 : 0);
    if (used < width) digits.insert(0, width - used, '0');
    return negative ? "-" + digits : digits;
}

std::string twoDigits(int value) { return padded(value % 100, 2); }
}  // namespace

bool prefixAllowed(std::string_view prefix) { return !sjis::containsAnyOf(prefix, kForbiddenInFileName); }

std::string composeLogName(const LogNamePattern& p, const LocalTime& date, const std::string& identifier) {
    std::string name = p.prefix;
    if (p.year) name += p.twoDigitYear ? twoDigits(date.year) : padded(date.year, 4);
    if (p.month) name += twoDigits(date.month);
    if (p.day) name += twoDigits(date.day);
    std::string open;
    std::string close;
    if (p.separators) {
        if (p.underscore) open = "_";
        else if (p.parentheses) open = "(", close = ")";
        else open = " ";
    }
    name += open + identifier + close;
    name += p.richText ? ".rtf" : ".txt";
    return name;
}

std::string joinFolder(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    if (sjis::endsWithChar(folder, '\\')) return folder + name;
    return folder + "\\" + name;
}

std::string timeIdentifier(const LocalTime& time) { return twoDigits(time.hour) + twoDigits(time.minute); }
