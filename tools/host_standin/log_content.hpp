#pragma once
// The texts the stand-in puts into its controls: the sample chat log as
// coloured Rich Text or as plain CP932 text, a generated log of any size, or
// a file.
#include <string>

#include "options.hpp"

namespace standin {

struct LogContent {
    std::string bytes;
    bool rtf = false;  // Rich Text Format rather than plain CP932 text
};

// Rich Text of the sample lines, repeated with advancing times until the
// stream is at least minBytes long (one pass when 0).
std::string sampleRtf(std::size_t minBytes);

// The same lines as plain CP932 text, CRLF line ends.
std::string samplePlain(std::size_t minBytes);

// Content for a control; richControl chooses Rich Text for sample and
// generated logs. False (with a message) when a file cannot be read.
bool loadContent(const TextSource& source, bool richControl, LogContent& out, std::string& error);

}  // namespace standin
