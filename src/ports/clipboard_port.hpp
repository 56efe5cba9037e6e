#pragma once
// The shared clipboard, as a save sees it.
#include <cstdint>
#include <string>

// The host's copy as a worker took it off the clipboard: the form the holder
// is filled from, and its bytes. The paste into the holder never reads the
// clipboard itself, so it never makes the host hand over a promised copy on
// the user-interface thread.
struct ClipboardCopy {
    enum class Form {
        RichText,     // "Rich Text Format", up to its first NUL
        UnicodeText,  // CF_UNICODETEXT, UTF-16LE up to its first NUL
        Text,         // CF_TEXT, CP932 up to its first NUL
    };
    Form form = Form::Text;
    std::string bytes;
};

// Clipboard managers, the system's clipboard history and a remote desktop's
// clipboard sync open the clipboard right after every change, the host's
// copy included. Each opening a save makes is therefore tried again while
// another program holds it, up to this bound in all; such programs hold it
// for milliseconds, seldom for more than a few hundred.
constexpr unsigned long kClipboardHeldLimitMs = 2000;

// The pause before the next try to open the clipboard, once `waitedMs` have
// passed since the first: short at first, since most holders let go within
// milliseconds, then a tenth of a second; 0 once the bound is reached.
constexpr unsigned long clipboardRetryPauseMs(unsigned long waitedMs) {
    if (waitedMs >= kClipboardHeldLimitMs) return 0;
    unsigned long pause = 10;
    while (pause < 100 && pause <= waitedMs) pause *= 2;
    if (pause > 100) pause = 100;
    return pause < kClipboardHeldLimitMs - waitedMs ? pause : kClipboardHeldLimitMs - waitedMs;
}

class ClipboardPort {
public:
    virtual ~ClipboardPort() = default;
    // GetClipboardSequenceNumber: changes whenever the clipboard's content
    // changes, whichever program changed it.
    virtual std::uint32_t sequenceNumber() = 0;
};
