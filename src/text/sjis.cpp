#include "text/sjis.hpp"

namespace sjis {

std::size_t charLength(std::string_view s, std::size_t pos) {
    if (pos + 1 < s.size() && isLeadByte(static_cast<unsigned char>(s[pos]))) return 2;
    return 1;
}

std::size_t lastCharStart(std::string_view s) {
    std::size_t last = npos;
    for (std::size_t i = 0; i < s.size(); i += charLength(s, i)) last = i;
    return last;
}

bool endsWithChar(std::string_view s, char c) {
    const std::size_t last = lastCharStart(s);
    return last != npos && last + 1 == s.size() && s[last] == c;
}

std::size_t findFirstOf(std::string_view s, std::string_view chars) {
    for (std::size_t i = 0; i < s.size(); i += charLength(s, i)) {
        if (charLength(s, i) == 1 && chars.find(s[i]) != std::string_view::npos) return i;
    }
    return npos;
}

std::size_t findLastOf(std::string_view s, std::string_view chars) {
    std::size_t found = npos;
    for (std::size_t i = 0; i < s.size(); i += charLength(s, i)) {
        if (charLength(s, i) == 1 && chars.find(s[i]) != std::string_view::npos) found = i;
    }
    return found;
}

std::size_t charCount(std::string_view s) {
    std::size_t n = 0;
    for (std::size_t i = 0; i < s.size(); i += charLength(s, i)) ++n;
    return n;
}

std::size_t advanceChars(std::string_view s, std::size_t n) {
    std::size_t i = 0;
    while (n-- > 0 && i < s.size()) i += charLength(s, i);
    return i;
}

std::string_view folderPart(std::string_view path) {
    const std::size_t sep = findLastOf(path, "\\:");
    return sep == npos ? std::string_view{} : path.substr(0, sep + 1);
}

std::string_view namePart(std::string_view path) {
    const std::size_t sep = findLastOf(path, "\\:");
    return sep == npos ? path : path.substr(sep + 1);
}

std::string lowerAscii(std::string_view s) {
    std::string out(s);
    for (std::size_t i = 0; i < out.size(); i += charLength(out, i)) {
        if (charLength(out, i) == 1 && out[i] >= 'A' && out[i] <= 'Z') out[i] = static_cast<char>(out[i] - 'A' + 'a');
    }
    return out;
}

}  // namespace sjis
