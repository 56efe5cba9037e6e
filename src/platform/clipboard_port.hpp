#pragma once
#include <cstdint>

class ClipboardPort {
public:
    virtual ~ClipboardPort() = default;
    // OpenClipboard with the properties window as owner; EmptyClipboard
    // only when the clipboard's number is still `sequence`, so that what
    // another program put there since is never wiped; CloseClipboard.
    // Results are not examined.
    virtual void emptyIfStill(std::uint32_t sequence) = 0;
    // GetClipboardSequenceNumber: changes whenever the clipboard's content
    // changes, whichever program changed it.
    virtual std::uint32_t sequenceNumber() = 0;
};
