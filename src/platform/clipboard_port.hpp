#pragma once

class ClipboardPort {
public:
    virtual ~ClipboardPort() = default;
    // OpenClipboard with the properties window as owner, EmptyClipboard,
    // CloseClipboard. Results are not examined.
    virtual void empty() = 0;
};
