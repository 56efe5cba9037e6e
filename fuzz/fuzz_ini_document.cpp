// The portable settings reader and writer on any file bytes: NUL bytes, lone
// lead bytes, lines of 100 KB, repeated sections and keys, CR without LF.
// A single-line value written under a well-formed name reads back as the
// writer keeps it, every other entry reads as before, and writing the same
// value again changes nothing.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "fuzz_check.hpp"
#include "settings/ini_document.hpp"
#include "text/sjis.hpp"

namespace {

using fuzz::check;

constexpr std::size_t kMax = IniDocument::kMaxValueBytes;

bool isBlank(char c) {
    const auto b = static_cast<unsigned char>(c);
    return (b >= 0x09 && b <= 0x0D) || b == 0x1A || b == ' ';
}

std::string_view beforeNul(std::string_view s) { return s.substr(0, std::min(s.find('\0'), s.size())); }

// Whole characters, each one byte or a lead byte with the byte after it.
std::vector<std::string_view> chars(std::string_view s) {
    std::vector<std::string_view> out;
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t n = sjis::isLeadByte(static_cast<unsigned char>(s[i])) && i + 1 < s.size() ? 2 : 1;
        out.push_back(s.substr(i, n));
        i += n;
    }
    return out;
}

bool isBlankChar(std::string_view c) { return c.size() == 1 && isBlank(c[0]); }

// Blank characters dropped at both ends.
std::string trimmed(std::string_view s) {
    std::vector<std::string_view> cs = chars(s);
    std::size_t b = 0;
    std::size_t e = cs.size();
    while (b < e && isBlankChar(cs[b])) ++b;
    while (e > b && isBlankChar(cs[e - 1])) --e;
    std::string out;
    for (std::size_t i = b; i < e; ++i) out += cs[i];
    return out;
}

// A name the writer can put on a line of its own and find again: whole
// characters, no line break or NUL, no blank at either end, and for a key no
// "=" and no leading "[" (which would make the line a section header).
bool wellFormedName(std::string_view name, bool isKey) {
    if (name.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos) return false;
    const std::vector<std::string_view> cs = chars(name);
    if (cs.empty()) return true;
    if (cs.back().size() == 1 && sjis::isLeadByte(static_cast<unsigned char>(cs.back()[0]))) return false;
    if (isBlankChar(cs.front()) || isBlankChar(cs.back())) return false;
    if (isKey) {
        if (name[0] == '[') return false;
        for (const std::string_view c : cs) {
            if (c == "=") return false;
        }
    }
    return true;
}

// Names compare without regard to ASCII case of single-byte characters.
std::string nameKey(std::string_view name) { return sjis::lowerAscii(trimmed(beforeNul(name))); }

// What a read returns for a value the writer stored on one line, or nothing
// to compare when the value is too long and quoted (the one case the clip
// rules make awkward to restate).
struct Expected {
    bool known = false;
    std::string value;
};

Expected expectedRead(std::string_view written) {
    const std::string v = trimmed(beforeNul(written));
    const std::vector<std::string_view> cs = chars(v);
    const bool quoted = cs.size() >= 2 && (v[0] == '"' || v[0] == '\'') && cs.back() == std::string_view(&v[0], 1);
    if (quoted) {
        if (v.size() > kMax) return {};
        return {true, v.substr(1, v.size() - 2)};
    }
    std::string out;
    for (const std::string_view c : cs) {
        if (out.size() + c.size() > kMax) break;
        out += c;
    }
    return {true, out};
}

// Names that settings files hold, in other cases and with blanks, and some
// double-byte ones whose second byte is "]", "\" or an ASCII letter.
const char* const kNames[] = {"File_TabSheet", "file_tabsheet", "FileName_GroupBox", " Setting_GroupBox ",
                              "AutoSave_GroupBox", "FormPosition", "Top", "LEFT", "\x95\x5C", "\x83\x5D",
                              "\x83\x41", "\x83\x61", "a", "A", "", ";c", "[x"};

std::string pickName(FuzzedDataProvider& in) {
    if (in.ConsumeBool()) return kNames[in.ConsumeIntegralInRange<std::size_t>(0, std::size(kNames) - 1)];
    return in.ConsumeRandomLengthString(24);
}

// Section and key names found in the bytes, so that reads probe what is there.
void namesInFile(std::string_view bytes, std::vector<std::string>& sections, std::vector<std::string>& keys) {
    std::size_t pos = 0;
    while (pos < bytes.size() && (sections.size() < 3 || keys.size() < 3)) {
        std::size_t stop = bytes.find_first_of("\r\n", pos);
        if (stop == std::string_view::npos) stop = bytes.size();
        const std::string_view line = bytes.substr(pos, stop - pos);
        pos = stop + 1;
        if (!line.empty() && line[0] == '[') {
            const std::size_t close = line.rfind(']');
            if (close != std::string_view::npos && sections.size() < 3) sections.emplace_back(line.substr(1, close - 1));
        } else if (const std::size_t eq = line.find('='); eq != std::string_view::npos && keys.size() < 3) {
            keys.emplace_back(line.substr(0, eq));
        }
    }
}

struct Probe {
    std::string section;
    std::string key;
    std::string value;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);

    std::string bytes = in.ConsumeRandomLengthString(8192);
    // Now and then one very long line: a run of one byte up to 120 KB. Every
    // write parses the whole file again, so such a file gets one write only.
    const bool longLine = in.ConsumeIntegralInRange<int>(0, 15) == 0;
    if (longLine) {
        const std::size_t at = in.ConsumeIntegralInRange<std::size_t>(0, bytes.size());
        const std::size_t length = in.ConsumeIntegralInRange<std::size_t>(0, 120'000);
        bytes.insert(at, length, static_cast<char>(in.ConsumeIntegral<std::uint8_t>()));
    }
    IniDocument doc(bytes);

    // A few names from the file, then each write's own: reads of every pair
    // are compared before and after the write.
    std::vector<std::string> sections;
    std::vector<std::string> keys;
    namesInFile(bytes, sections, keys);
    const std::size_t fileSections = sections.size();
    const std::size_t fileKeys = keys.size();

    const int writes = longLine ? 1 : in.ConsumeIntegralInRange<int>(1, 4);
    for (int w = 0; w < writes; ++w) {
        const std::string section = pickName(in);
        const std::string key = pickName(in);
        std::string value = in.ConsumeRandomLengthString(in.ConsumeBool() ? 40 : 3000);
        const std::string def = in.ConsumeRandomLengthString(16);
        const bool wellFormed = wellFormedName(section, false) && wellFormedName(key, true) &&
                                beforeNul(value).find_first_of("\r\n") == std::string_view::npos;
        sections.resize(fileSections);
        keys.resize(fileKeys);
        sections.push_back(section);
        keys.push_back(key);

        (void)doc.read(section, key, def);
        (void)doc.keyNames(section);

        // Every entry we can name, before the write.
        std::vector<Probe> probes;
        for (const std::string& s : sections) {
            for (const std::string& k : keys) probes.push_back({s, k, doc.read(s, k, "\x01missing")});
        }
        std::vector<std::pair<std::string, std::vector<std::string>>> listed;
        for (const std::string& s : sections) listed.emplace_back(s, doc.keyNames(s));

        const std::string before = doc.bytes();
        const bool changed = doc.write(section, key, value);
        if (!changed) check(doc.bytes() == before, "a write that reported no change changed the file", before, doc.bytes());
        if (!wellFormed) continue;

        const Expected expected = expectedRead(value);
        const std::string got = doc.read(section, key, "\x01missing");
        if (expected.known) {
            check(got == expected.value, "the value written does not read back", value, got);
        } else {
            check(got.size() <= kMax, "a read returned more than the buffer holds", got);
        }

        const std::string sectionKey = nameKey(section);
        const std::string keyKey = nameKey(key);
        if (!keyKey.empty() && keyKey[0] != ';') {
            bool found = false;
            for (const std::string& k : doc.keyNames(section)) found = found || nameKey(k) == keyKey;
            check(found, "the key written is not among the section's keys", key, doc.bytes());
        }
        for (const Probe& p : probes) {
            if (nameKey(p.section) == sectionKey && nameKey(p.key) == keyKey) continue;
            check(doc.read(p.section, p.key, "\x01missing") == p.value, "a write changed another entry",
                  p.section + "/" + p.key, doc.bytes());
        }
        for (const auto& [s, names] : listed) {
            if (nameKey(s) == sectionKey) continue;
            check(doc.keyNames(s) == names, "a write changed the keys of another section", s, doc.bytes());
        }

        const std::string once = doc.bytes();
        doc.write(section, key, value);
        check(doc.bytes() == once, "writing the same value again changed the file", once, doc.bytes());
    }
    return 0;
}
