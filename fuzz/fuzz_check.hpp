#pragma once
// A broken property in a fuzz target: print what broke, with the texts
// involved escaped byte by byte, and abort so libFuzzer keeps the input.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace fuzz {

// Printable ASCII as it is, every other byte as \xNN.
inline std::string escaped(std::string_view s) {
    std::string out;
    for (const char c : s) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x20 && b < 0x7F && b != '\\') {
            out += c;
        } else {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02X", b);
            out += buf;
        }
    }
    return out;
}

[[noreturn]] inline void fail(const char* what, std::string_view a = {}, std::string_view b = {}) {
    std::fprintf(stderr, "PROPERTY BROKEN: %s\n  [%s]\n  [%s]\n", what, escaped(a).c_str(), escaped(b).c_str());
    std::abort();
}

inline void check(bool ok, const char* what, std::string_view a = {}, std::string_view b = {}) {
    if (!ok) fail(what, a, b);
}

}  // namespace fuzz
