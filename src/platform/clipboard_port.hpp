#pragma once
#include <cstdint>

class ClipboardPort {
public:
    virtual ~ClipboardPort() = default;
    // OpenClipboard with the properties window as owner, EmptyClipboard,
    // CloseClipboard. Results are not examined.
    virtual void empty() = 0;
    // GetClipboardSequenceNumber: changes whenever the clipboard's content
    // changes, whichever program changed it.
    virtual std::uint32_t sequenceNumber() = 0;
};
