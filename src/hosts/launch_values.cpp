#include "hosts/launch_values.hpp"

#include "hosts/host_programs.hpp"
#include "text/sjis.hpp"

namespace hosts {

namespace {

bool isSeparator(char c) { return c == '\\' || c == '/'; }

bool isAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// Length of the path component at the start of s, by whole characters (the
// second byte of 表 is 0x5C but ends nothing).
std::size_t componentLength(std::string_view s) {
    const std::size_t sep = sjis::findFirstOf(s, "\\/");
    return sep == sjis::npos ? s.size() : sep;
}

// A quote is looked for byte by byte: 0x22 is never the second byte of a
// double-byte character, and a lead byte in front of it must not hide it.
bool hasQuote(std::string_view s) { return s.find('"') != std::string_view::npos; }

}  // namespace

bool isAbsoluteFolder(std::string_view folder) {
    if (hasQuote(folder)) return false;
    if (folder.size() >= 3 && isAsciiLetter(folder[0]) && folder[1] == ':' && isSeparator(folder[2])) return true;
    if (folder.size() < 2 || !isSeparator(folder[0]) || !isSeparator(folder[1])) return false;
    // \\server\share: both named.
    std::string_view rest = folder.substr(2);
    const std::size_t server = componentLength(rest);
    if (server == 0 || server == rest.size()) return false;
    rest.remove_prefix(server + 1);
    return componentLength(rest) > 0;
}

bool namesExecutable(std::string_view path, std::string_view expected) {
    return sjis::lowerAscii(sjis::namePart(path)) == sjis::lowerAscii(expected);
}

bool isCompanionExecutable(std::string_view path) {
    return !hasQuote(path) && namesExecutable(path, kCompanionExeName);
}

}  // namespace hosts
