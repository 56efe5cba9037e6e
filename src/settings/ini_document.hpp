#pragma once
// A private-profile (INI) file held as its CP932 bytes, read and edited the
// way GetPrivateProfileStringA / WritePrivateProfileStringA do it, so the
// native build behaves like the Windows one:
//
// - A line "[name]" opens a section (the name runs to the last "]"; text
//   after it is ignored); any other non-blank line is an entry "name=value",
//   or a bare name without "=" that has no value. Blanks (space, tab, VT, FF,
//   ^Z) around names and values are ignored. Lines end at CR, LF or CRLF.
// - Names match without regard to the case of ASCII letters; double-byte
//   characters match byte for byte. The first matching section and, in it,
//   the first matching entry win; later duplicates are never seen.
// - A value enclosed in a pair of ' or " reads without them. A value reads as
//   at most 2047 bytes of whole characters.
// - A write replaces the value of the entry in place, or inserts the entry
//   after the last non-blank line of its section (blank lines before the next
//   section stay there), or appends the section at the end. Every other byte of
//   the file stays as it is; new lines end in CRLF.
//
// Names and values are C strings to the system functions: anything from a
// NUL byte on is not part of them. Every search goes by whole characters: a
// lead byte pairs with the byte after it, so its second byte is never a
// "]", "=" or blank. Line ends are never paired, so a damaged lead byte at
// the end of a line cannot swallow the line after it.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class IniDocument {
public:
    // Longest value a read returns (the 2048-byte buffer less its NUL).
    static constexpr std::size_t kMaxValueBytes = 2047;

    IniDocument() = default;
    explicit IniDocument(std::string bytes);

    const std::string& bytes() const { return bytes_; }

    // The value of section/key, or `def` when the section or key is missing
    // or the key has no "=". As the system function returns it: quotes
    // removed, at most kMaxValueBytes; the default loses its trailing spaces.
    std::string read(std::string_view section, std::string_view key, std::string_view def) const;

    // Names of the entries of the section that have a value, in file order,
    // duplicates included; comment entries (";...") are left out.
    std::vector<std::string> keyNames(std::string_view section) const;

    // Sets section/key to value. Returns false when the file already held
    // exactly that value, so nothing needs to be written.
    bool write(std::string_view section, std::string_view key, std::string_view value);

    // What a read returns for a missing key with this default.
    static std::string defaultValue(std::string_view def);

private:
    enum class Kind { Blank, Section, Entry };
    struct Line {
        std::size_t begin = 0;       // first byte
        std::size_t contentEnd = 0;  // first byte of the line end
        std::size_t end = 0;         // first byte of the next line
        Kind kind = Kind::Blank;
        std::string name;   // section or entry name
        bool hasValue = false;
        std::string value;  // entry value, blanks trimmed
    };
    // Lines of one section: [first, last) in lines_; header is npos for the
    // lines before the first section header.
    struct SectionRange {
        std::size_t header;
        std::size_t first;
        std::size_t last;
    };

    void parse();
    bool findSection(std::string_view name, SectionRange& out) const;
    const Line* findEntry(const SectionRange& section, std::string_view key) const;

    std::string bytes_;
    std::vector<Line> lines_;
};
