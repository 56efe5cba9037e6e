#pragma once
#include <windows.h>

#include "platform/clipboard_port.hpp"

class Win32Clipboard : public ClipboardPort {
public:
    explicit Win32Clipboard(HWND owner) : owner_(owner) {}
    void setOwner(HWND owner) { owner_ = owner; }
    void emptyIfStill(std::uint32_t sequence) override;
    std::uint32_t sequenceNumber() override { return GetClipboardSequenceNumber(); }

private:
    HWND owner_;
};
