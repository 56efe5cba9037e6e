#pragma once
#include <windows.h>

#include "ports/clipboard_port.hpp"

// What the user-interface thread asks of the clipboard: only its number,
// which opens nothing. Every opening is a worker's (worker_clipboard.hpp).
class Win32Clipboard : public ClipboardPort {
public:
    std::uint32_t sequenceNumber() override { return GetClipboardSequenceNumber(); }
};
