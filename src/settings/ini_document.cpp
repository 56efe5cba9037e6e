#include "settings/ini_document.hpp"

#include <algorithm>

#include "text/sjis.hpp"

namespace {

// The blanks that the system functions strip around names and values.
bool isBlank(char c) {
    const auto b = static_cast<unsigned char>(c);
    return (b >= 0x09 && b <= 0x0D) || b == 0x1A || b == ' ';
}

// The part of s that a C string would hold.
std::string_view cString(std::string_view s) {
    const std::size_t nul = s.find('\0');
    return nul == std::string_view::npos ? s : s.substr(0, nul);
}

std::string_view trimLeft(std::string_view s) {
    // A blank is never a lead byte, so every byte skipped here starts a character.
    std::size_t begin = 0;
    while (begin < s.size() && isBlank(s[begin])) ++begin;
    return s.substr(begin);
}

// Blanks trimmed on both sides; a blank that is the second byte of a
// double-byte character is part of that character and stays.
std::string_view trimBlanks(std::string_view s) {
    s = trimLeft(s);
    std::size_t end = 0;
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t n = sjis::charLength(s, i);
        if (n != 1 || !isBlank(s[i])) end = i + n;
        i += n;
    }
    return s.substr(0, end);
}

bool sameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && sjis::lowerAscii(a) == sjis::lowerAscii(b);
}

// What the system function copies into the caller's 2048-byte buffer: the
// text without a pair of enclosing quotes, at most 2047 characters (a quoted
// text of exactly 2047 characters loses its last one as well as its closing
// quote, as the system function does), then at most 2047 bytes of whole
// characters.
std::string clipValue(std::string_view v) {
    constexpr std::size_t kMax = IniDocument::kMaxValueBytes;
    std::size_t chars = 0;
    std::size_t lastStart = 0;
    for (std::size_t i = 0; i < v.size(); i += sjis::charLength(v, i)) {
        lastStart = i;
        ++chars;
    }
    const bool quoted = chars >= 2 && (v[0] == '"' || v[0] == '\'') && lastStart == v.size() - 1 && v.back() == v[0];
    std::size_t from = 0;
    std::size_t take = std::min(chars, kMax);
    if (quoted) {
        from = 1;
        const std::size_t remaining = chars - 1;
        take = std::min(remaining, kMax);
        if (remaining <= kMax + 1) --take;
    }
    std::size_t end = from;
    for (std::size_t taken = 0; taken < take && end < v.size(); ++taken) {
        const std::size_t n = sjis::charLength(v, end);
        if (end + n - from > kMax) break;
        end += n;
    }
    return std::string(v.substr(from, end - from));
}

}  // namespace

IniDocument::IniDocument(std::string bytes) : bytes_(std::move(bytes)) { parse(); }

void IniDocument::parse() {
    lines_.clear();
    const std::string_view all(bytes_);
    std::size_t pos = 0;
    while (pos < all.size()) {
        Line line;
        line.begin = pos;
        std::size_t stop = all.find_first_of("\r\n", pos);
        if (stop == std::string_view::npos) stop = all.size();
        line.contentEnd = stop;
        line.end = stop;
        if (stop < all.size()) line.end += (all[stop] == '\r' && stop + 1 < all.size() && all[stop + 1] == '\n') ? 2 : 1;
        pos = line.end;

        const std::string_view content = trimBlanks(all.substr(line.begin, line.contentEnd - line.begin));
        if (content.empty()) {
            lines_.push_back(std::move(line));
            continue;
        }
        if (content[0] == '[') {
            const std::size_t close = sjis::findLastOf(content, "]");
            if (close != sjis::npos) {
                line.kind = Kind::Section;
                line.name = cString(trimBlanks(content.substr(1, close - 1)));
                lines_.push_back(std::move(line));
                continue;
            }
        }
        line.kind = Kind::Entry;
        const std::size_t eq = sjis::findFirstOf(content, "=");
        if (eq == sjis::npos) {
            line.name = cString(content);
        } else {
            line.name = cString(trimBlanks(content.substr(0, eq)));
            line.value = cString(trimBlanks(content.substr(eq + 1)));
            line.hasValue = true;
        }
        lines_.push_back(std::move(line));
    }
}

bool IniDocument::findSection(std::string_view name, SectionRange& out) const {
    // The lines before the first header form a section without a name.
    std::size_t header = sjis::npos;
    std::size_t first = 0;
    for (std::size_t i = 0; i <= lines_.size(); ++i) {
        if (i < lines_.size() && lines_[i].kind != Kind::Section) continue;
        const std::string_view headerName = header == sjis::npos ? std::string_view{} : lines_[header].name;
        if (sameName(headerName, name)) {
            out = SectionRange{header, first, i};
            return true;
        }
        header = i;
        first = i;
    }
    return false;
}

const IniDocument::Line* IniDocument::findEntry(const SectionRange& section, std::string_view key) const {
    for (std::size_t i = section.first; i < section.last; ++i) {
        if (lines_[i].kind == Kind::Entry && sameName(lines_[i].name, key)) return &lines_[i];
    }
    return nullptr;
}

std::string IniDocument::defaultValue(std::string_view def) {
    def = cString(def);
    // Trailing spaces go, down to the first character.
    const std::size_t firstEnd = def.empty() ? 0 : sjis::charLength(def, 0);
    std::size_t keep = firstEnd;
    for (std::size_t i = firstEnd; i < def.size();) {
        const std::size_t n = sjis::charLength(def, i);
        if (n != 1 || def[i] != ' ') keep = i + n;
        i += n;
    }
    return clipValue(def.substr(0, keep));
}

std::string IniDocument::read(std::string_view section, std::string_view key, std::string_view def) const {
    SectionRange range{};
    if (findSection(trimBlanks(cString(section)), range)) {
        const Line* entry = findEntry(range, trimBlanks(cString(key)));
        if (entry != nullptr && entry->hasValue) return clipValue(entry->value);
    }
    return defaultValue(def);
}

std::vector<std::string> IniDocument::keyNames(std::string_view section) const {
    std::vector<std::string> names;
    SectionRange range{};
    if (!findSection(trimBlanks(cString(section)), range)) return names;
    for (std::size_t i = range.first; i < range.last; ++i) {
        const Line& line = lines_[i];
        if (line.kind != Kind::Entry || !line.hasValue) continue;
        if (!line.name.empty() && line.name[0] == ';') continue;
        names.push_back(line.name);
    }
    return names;
}

bool IniDocument::write(std::string_view section, std::string_view key, std::string_view value) {
    const std::string_view sectionName = trimBlanks(cString(section));
    const std::string_view keyName = trimBlanks(cString(key));
    const std::string_view newValue = trimLeft(cString(value));

    SectionRange range{};
    if (!findSection(sectionName, range)) {
        std::string text;
        if (!bytes_.empty() && bytes_.back() != '\n' && bytes_.back() != '\r') text += "\r\n";
        text.append("[").append(sectionName).append("]\r\n");
        text.append(keyName).append("=").append(newValue).append("\r\n");
        bytes_ += text;
    } else if (const Line* entry = findEntry(range, keyName)) {
        if (entry->hasValue && entry->value == newValue) return false;
        std::string text = entry->name;
        text.append("=").append(newValue);
        bytes_.replace(entry->begin, entry->contentEnd - entry->begin, text);
    } else {
        // After the section's last non-blank line, so that the blank lines
        // that separate it from the next section stay after it.
        std::size_t at = 0;
        bool breakFirst = false;
        for (std::size_t i = range.last; i > range.first; --i) {
            const Line& line = lines_[i - 1];
            if (line.kind == Kind::Blank) continue;
            at = line.end;
            breakFirst = line.end == line.contentEnd;
            break;
        }
        std::string text = breakFirst ? "\r\n" : "";
        text.append(keyName).append("=").append(newValue).append("\r\n");
        bytes_.insert(at, text);
    }
    parse();
    return true;
}
