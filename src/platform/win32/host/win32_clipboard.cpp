#include "platform/win32/host/win32_clipboard.hpp"

namespace {
// The clipboard is closed again on every path once it was opened.
class ClipboardOpening {
public:
    explicit ClipboardOpening(HWND owner) : open_(OpenClipboard(owner) != 0) {}
    ~ClipboardOpening() {
        if (open_) CloseClipboard();
    }
    ClipboardOpening(const ClipboardOpening&) = delete;
    ClipboardOpening& operator=(const ClipboardOpening&) = delete;
    bool open() const { return open_; }

private:
    bool open_;
};
}  // namespace

void Win32Clipboard::emptyIfStill(std::uint32_t sequence) {
    // Open, nobody else can change it between the test and the emptying.
    ClipboardOpening clipboard(owner_);
    if (clipboard.open() && GetClipboardSequenceNumber() == sequence) EmptyClipboard();
}
