#include "hosts/launch_values.hpp"

#include <algorithm>
#include <string>

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

// CON, NUL.txt, com1 and the like name a device in any folder.
bool isDeviceName(std::string_view component) {
    std::string base = sjis::lowerAscii(component.substr(0, component.find('.')));
    while (!base.empty() && base.back() == ' ') base.pop_back();
    for (const char* device : {"con", "prn", "aux", "nul", "conin$", "conout$"})
        if (base == device) return true;
    return base.size() == 4 && (base.rfind("com", 0) == 0 || base.rfind("lpt", 0) == 0) && base[3] >= '1' &&
           base[3] <= '9';
}

bool namesDevice(std::string_view path) {
    while (!path.empty()) {
        const std::size_t n = componentLength(path);
        if (isDeviceName(path.substr(0, n))) return true;
        path.remove_prefix(std::min(n + 1, path.size()));
    }
    return false;
}

bool hasDriveRoot(std::string_view path) {
    return path.size() >= 3 && isAsciiLetter(path[0]) && path[1] == ':' && isSeparator(path[2]);
}

// Length of \\server\share at the start of a UNC path, both named; 0 for any
// other path, and for \\.\ and \\?\, which lead to devices.
std::size_t shareRootLength(std::string_view path) {
    if (path.size() < 2 || !isSeparator(path[0]) || !isSeparator(path[1])) return 0;
    const std::string_view rest = path.substr(2);
    const std::size_t server = componentLength(rest);
    if (server == 0 || server == rest.size() || rest.substr(0, server) == "." || rest.substr(0, server) == "?")
        return 0;
    const std::size_t share = componentLength(rest.substr(server + 1));
    return share == 0 ? 0 : 2 + server + 1 + share;
}

}  // namespace

bool isDefinitePath(std::string_view path) {
    if (hasQuote(path)) return false;
    std::string_view rest;
    if (hasDriveRoot(path)) {
        rest = path.substr(3);
    } else {
        if (shareRootLength(path) == 0) return false;
        rest = path.substr(2);
    }
    // A ":" past the drive names a stream of a file (C:\notes.txt:quorla.exe).
    return !sjis::containsAnyOf(rest, ":") && !namesDevice(rest);
}

bool isDefiniteFilePath(std::string_view path) {
    if (!isDefinitePath(path)) return false;
    const std::size_t share = shareRootLength(path);
    return share == 0 || path.size() > share + 1;
}

bool namesExecutable(std::string_view path, std::string_view expected) {
    return sjis::lowerAscii(sjis::namePart(path)) == sjis::lowerAscii(expected);
}

bool isCompanionExecutable(std::string_view path) {
    return isDefinitePath(path) && namesExecutable(path, kCompanionExeName);
}

}  // namespace hosts
