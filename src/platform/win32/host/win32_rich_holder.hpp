#pragma once
// The hidden Rich Edit 1.0 control ("RICHEDIT" of riched32.dll) that receives
// the copied log and streams it to the file. Made at the first fill, with
// riched32.dll, so that start-up does not wait for them.
#include <windows.h>

#include "ports/rich_holder_port.hpp"
#include "platform/win32/handles/unique_handle.hpp"

class Win32RichHolder : public RichHolderPort {
public:
    // parent: the properties window.
    explicit Win32RichHolder(HWND parent) : parent_(parent) {}

    void fill(const ClipboardCopy& copy) override;
    void setPlainText(bool plain) override { plain_ = plain; }
    bool streamOut(ByteSink& sink) override;
    // Emptying a large rich edit in place costs seconds (quadratic in Wine);
    // a fresh control costs milliseconds, so the holder is replaced instead.
    void clear() override;
    bool empty() override { return !window_ || GetWindowTextLengthA(window_.get()) == 0; }

    HWND window() const { return window_.get(); }

private:
    void create();

    HWND parent_;
    UniqueModule richEdit_;  // holds the class "RICHEDIT"; outlives window_
    UniqueHwnd window_;
    bool plain_ = false;
};
