#include "log_content.hpp"

#include <cstdio>
#include <fstream>
#include <iterator>

#include "sample_text.hpp"
#include "text/sjis.hpp"

namespace standin {

namespace {

// Rich Text is 7-bit: every byte of a double-byte character and every byte
// above 0x7F goes out as \'xx, and \ { } are escaped.
void appendRtfText(std::string& out, const char* text) {
    static const char hex[] = "0123456789abcdef";
    const std::string_view s(text);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const auto b = static_cast<unsigned char>(s[i]);
        const std::size_t len = sjis::charLength(s, i);
        if (b >= 0x80) {
            for (std::size_t k = 0; k < len; ++k) {
                const auto c = static_cast<unsigned char>(s[i + k]);
                out += "\\'";
                out += hex[c >> 4];
                out += hex[c & 0x0F];
            }
            i += len - 1;
        } else if (b == '\\' || b == '{' || b == '}') {
            out += '\\';
            out += static_cast<char>(b);
        } else {
            out += static_cast<char>(b);
        }
    }
}

// Time of the n-th generated line: the sample's time, shifted on by whole
// passes so that a long log reads as a long evening.
std::string lineTime(std::size_t pass, const SampleLine& line) {
    if (pass == 0) return line.time;
    unsigned h = 0, m = 0;
    if (std::sscanf(line.time, "%u:%u", &h, &m) != 2) return line.time;
    const unsigned long minutes = (h * 60ul + m + pass * 5ul) % (24ul * 60ul);
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02lu:%02lu", minutes / 60, minutes % 60);
    return buf;
}

// Colour table: 1 = grey for times, 2 = black for messages, then one entry per
// sample line's speaker colour.
std::string colourTable() {
    std::string t = "{\\colortbl ;\\red128\\green128\\blue128;\\red0\\green0\\blue0;";
    for (std::size_t i = 0; i < kSampleLineCount; ++i) {
        const std::uint32_t c = kSampleLines[i].colour;
        char buf[48];
        std::snprintf(buf, sizeof buf, "\\red%u\\green%u\\blue%u;", static_cast<unsigned>((c >> 16) & 0xFF),
                      static_cast<unsigned>((c >> 8) & 0xFF), static_cast<unsigned>(c & 0xFF));
        t += buf;
    }
    return t + "}";
}

}  // namespace

std::string sampleRtf(std::size_t minBytes) {
    std::string out = "{\\rtf1\\ansi\\ansicpg932\\deff0\\deflang1041{\\fonttbl{\\f0\\fmodern\\fcharset128 ";
    appendRtfText(out, kLogFontFace);
    out += ";}}\r\n" + colourTable() + "\r\n\\pard\\f0\\fs20 ";
    for (std::size_t pass = 0;; ++pass) {
        for (std::size_t i = 0; i < kSampleLineCount; ++i) {
            const SampleLine& line = kSampleLines[i];
            out += "\\cf1 [" + lineTime(pass, line) + "] \\cf" + std::to_string(i + 3) + "\\b ";
            appendRtfText(out, line.speaker);
            out += "\\b0\\cf2  > ";
            appendRtfText(out, line.message);
            out += "\\par\r\n";
        }
        if (out.size() + 1 >= minBytes) break;
    }
    return out + "}";
}

std::string samplePlain(std::size_t minBytes) {
    std::string out;
    for (std::size_t pass = 0;; ++pass) {
        for (std::size_t i = 0; i < kSampleLineCount; ++i) {
            const SampleLine& line = kSampleLines[i];
            out += "[" + lineTime(pass, line) + "] " + line.speaker + " > " + line.message + "\r\n";
        }
        if (out.size() >= minBytes) break;
    }
    return out;
}

bool loadContent(const TextSource& source, bool richControl, LogContent& out, std::string& error) {
    out = LogContent{};
    switch (source.kind) {
    case TextSource::Kind::Empty:
        return true;
    case TextSource::Kind::Sample:
    case TextSource::Kind::Generated: {
        const std::size_t minBytes =
            source.kind == TextSource::Kind::Sample ? 0 : static_cast<std::size_t>(source.kilobytes) * 1024;
        out.rtf = richControl;
        out.bytes = richControl ? sampleRtf(minBytes) : samplePlain(minBytes);
        return true;
    }
    case TextSource::Kind::File: {
        std::ifstream in(source.path, std::ios::binary);
        if (!in) {
            error = "cannot read " + source.path;
            return false;
        }
        out.bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        out.rtf = richControl && out.bytes.rfind("{\\rtf", 0) == 0;
        if (!out.rtf) {
            // Edit controls break lines only at CRLF.
            std::string crlf;
            crlf.reserve(out.bytes.size());
            for (std::size_t i = 0; i < out.bytes.size(); ++i) {
                if (out.bytes[i] == '\n' && (i == 0 || out.bytes[i - 1] != '\r')) crlf += '\r';
                crlf += out.bytes[i];
            }
            out.bytes = std::move(crlf);
        }
        return true;
    }
    }
    return true;
}

}  // namespace standin
