#pragma once
// Shift-JIS (code page 932) text rules. Every text the program handles is a
// CP932 byte string; separators and forbidden characters are searched by whole
// characters, so the second byte of a double-byte character (表 = 95 5C,
// ソ = 83 5C, ポ = 83 7C) is never taken for "\" or "|".
#include <cstddef>
#include <string>
#include <string_view>

namespace sjis {

inline constexpr std::size_t npos = std::string_view::npos;

// Lead bytes of CP932: 0x81-0x9F and 0xE0-0xFC.
constexpr bool isLeadByte(unsigned char b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// Byte length of the character that starts at pos: 2 for a lead byte with a
// following byte, otherwise 1 (a lone lead byte at the end counts as one).
std::size_t charLength(std::string_view s, std::size_t pos);

// Offset of the first byte of the last character, or npos for an empty text.
std::size_t lastCharStart(std::string_view s);

// True when the last whole character is the single-byte character c.
bool endsWithChar(std::string_view s, char c);

// Offset of the first / last single-byte character that is one of `chars`,
// looking only at whole characters; npos when there is none.
std::size_t findFirstOf(std::string_view s, std::string_view chars);
std::size_t findLastOf(std::string_view s, std::string_view chars);

inline bool containsAnyOf(std::string_view s, std::string_view chars) {
    return findFirstOf(s, chars) != npos;
}

// Number of whole characters.
std::size_t charCount(std::string_view s);

// Offset just past the first n characters (or the size when shorter).
std::size_t advanceChars(std::string_view s, std::size_t n);

// Folder part: everything up to and including the last "\" or ":"; name part:
// the rest. A path without either has an empty folder part.
std::string_view folderPart(std::string_view path);
std::string_view namePart(std::string_view path);

// Lower-cases the ASCII letters of single-byte characters, leaving double-byte
// characters untouched (what CharLowerBuffA does in code page 932).
std::string lowerAscii(std::string_view s);

}  // namespace sjis
