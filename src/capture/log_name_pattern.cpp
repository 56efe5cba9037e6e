#include "capture/log_name_pattern.hpp"

#include <cstdio>

#include "text/sjis.hpp"

namespace {
constexpr const char* kForbiddenInFileName = "\\/:*?\"<>|";

std::string twoDigits(int value) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d", value % 100);
    return buf;
}
}  // namespace

bool prefixAllowed(std::string_view prefix) { return !sjis::containsAnyOf(prefix, kForbiddenInFileName); }

std::string composeLogName(const LogNamePattern& p, const LocalTime& date, const std::string& identifier) {
    std::string name = p.prefix;
    if (p.year) {
        char buf[16];
        std::snprintf(buf, sizeof buf, "%04d", date.year);
        name += p.twoDigitYear ? twoDigits(date.year) : std::string(buf);
    }
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
