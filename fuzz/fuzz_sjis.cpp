// The Shift-JIS helpers agree with each other on any bytes: every offset they
// return is the start of a whole character, the splits put the text back
// together, and the counts match the walks.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_check.hpp"
#include "text/sjis.hpp"

namespace {

using fuzz::check;

// Starts of the whole characters, walked one byte or one pair at a time.
std::vector<std::size_t> charStarts(std::string_view s) {
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i < s.size();) {
        starts.push_back(i);
        const bool pair = sjis::isLeadByte(static_cast<unsigned char>(s[i])) && i + 1 < s.size();
        i += pair ? 2 : 1;
    }
    return starts;
}

bool isSingleAt(std::string_view s, std::size_t pos) { return sjis::charLength(s, pos) == 1; }

void checkSearch(std::string_view s, std::string_view chars, const std::vector<std::size_t>& starts) {
    std::size_t first = sjis::npos;
    std::size_t last = sjis::npos;
    for (const std::size_t i : starts) {
        if (isSingleAt(s, i) && chars.find(s[i]) != std::string_view::npos) {
            if (first == sjis::npos) first = i;
            last = i;
        }
    }
    check(sjis::findFirstOf(s, chars) == first, "findFirstOf: not the first whole single-byte match", s, chars);
    check(sjis::findLastOf(s, chars) == last, "findLastOf: not the last whole single-byte match", s, chars);
    check(sjis::containsAnyOf(s, chars) == (first != sjis::npos), "containsAnyOf disagrees with findFirstOf", s, chars);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The first byte says how many of the next bytes are the set of characters
    // to search for; the rest is the text.
    std::string_view input(reinterpret_cast<const char*>(data), size);
    std::string_view chars = "\\:";
    if (!input.empty()) {
        const std::size_t n = static_cast<unsigned char>(input[0]) % 4;
        input.remove_prefix(1);
        if (n > 0 && n <= input.size()) {
            chars = input.substr(0, n);
            input.remove_prefix(n);
        }
    }
    const std::string_view s = input;
    const std::vector<std::size_t> starts = charStarts(s);

    for (std::size_t k = 0; k < starts.size(); ++k) {
        const std::size_t i = starts[k];
        const std::size_t next = k + 1 < starts.size() ? starts[k + 1] : s.size();
        check(sjis::charLength(s, i) == next - i, "charLength does not reach the next character", s);
        // advanceChars walks from the start: sample it so long inputs stay fast.
        if (k < 32 || k + 32 >= starts.size() || k % 61 == 0) {
            check(sjis::advanceChars(s, k) == i, "advanceChars(k) is not the k-th character start", s);
        }
    }
    check(sjis::charCount(s) == starts.size(), "charCount disagrees with the walk", s);
    check(sjis::advanceChars(s, starts.size()) == s.size(), "advanceChars(charCount) is not the end", s);
    check(sjis::advanceChars(s, starts.size() + 7) == s.size(), "advanceChars past the end is not the end", s);

    const std::size_t last = sjis::lastCharStart(s);
    check(last == (starts.empty() ? sjis::npos : starts.back()), "lastCharStart is not the last character", s);
    for (const char c : std::string_view("\\:.a\x81")) {
        const bool ends = last != sjis::npos && last + 1 == s.size() && s[last] == c;
        check(sjis::endsWithChar(s, c) == ends, "endsWithChar disagrees with the last character", s, std::string(1, c));
    }

    checkSearch(s, chars, starts);
    checkSearch(s, "\\:", starts);

    // Splitting a path at its last separator puts it back together, and only
    // the folder part ends with one.
    const std::string_view folder = sjis::folderPart(s);
    const std::string_view name = sjis::namePart(s);
    check(std::string(folder) + std::string(name) == s, "folderPart + namePart is not the path", s);
    check(folder.empty() || sjis::endsWithChar(folder, '\\') || sjis::endsWithChar(folder, ':'),
          "the folder part does not end with a separator", s, folder);
    check(!sjis::containsAnyOf(name, "\\:"), "the name part holds a separator", s, name);
    const std::size_t sep = sjis::findLastOf(s, "\\:");
    if (sep != sjis::npos) check(folder.size() == sep + 1, "the folder part does not end at the last separator", s);

    // Lower-casing touches only single-byte A-Z and keeps every character
    // where it was.
    const std::string lower = sjis::lowerAscii(s);
    check(lower.size() == s.size(), "lowerAscii changed the length", s, lower);
    std::vector<bool> single(s.size(), false);
    for (const std::size_t i : starts) single[i] = isSingleAt(s, i);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char expected = single[i] && s[i] >= 'A' && s[i] <= 'Z' ? static_cast<char>(s[i] - 'A' + 'a') : s[i];
        check(lower[i] == expected, "lowerAscii changed a byte it must keep", s, lower);
    }
    check(charStarts(lower) == starts, "lowerAscii moved a character boundary", s, lower);
    return 0;
}
