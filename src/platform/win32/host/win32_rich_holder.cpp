#include "platform/win32/host/win32_rich_holder.hpp"

#include <richedit.h>

#include <string_view>

#include "ports/clipboard_port.hpp"
#include "text/texts.hpp"

namespace {
constexpr int kHolderLeft = 312, kHolderTop = 0, kHolderSize = 25;

struct StreamState {
    ByteSink* sink;
    bool rtf;
    bool heldBackNul = false;  // a NUL byte not yet known to be the last
    bool failed = false;
};

// Wine ends an RTF stream with a NUL after the closing brace, which Windows
// does not; a log file must not end in one, so a trailing NUL is held back
// and dropped when nothing follows it.
DWORD CALLBACK streamOutCallback(DWORD_PTR cookie, LPBYTE buffer, LONG count, LONG* written) {
    auto* state = reinterpret_cast<StreamState*>(cookie);
    *written = count;
    if (count <= 0) return 0;
    std::string_view bytes(reinterpret_cast<const char*>(buffer), static_cast<std::size_t>(count));
    if (state->heldBackNul) {
        state->heldBackNul = false;
        if (!state->sink->write(std::string_view("\0", 1))) return state->failed = true, 1;
    }
    if (state->rtf && bytes.back() == '\0') {
        bytes.remove_suffix(1);
        state->heldBackNul = true;
    }
    if (!bytes.empty() && !state->sink->write(bytes)) {
        state->failed = true;
        return 1;  // non-zero stops the stream
    }
    return 0;
}

// Hands the taken copy to EM_STREAMIN in the control's own chunks.
DWORD CALLBACK streamInCallback(DWORD_PTR cookie, LPBYTE buffer, LONG count, LONG* read) {
    auto* rest = reinterpret_cast<std::string_view*>(cookie);
    const std::size_t n = rest->size() < static_cast<std::size_t>(count) ? rest->size() : static_cast<std::size_t>(count);
    rest->copy(reinterpret_cast<char*>(buffer), n);
    rest->remove_prefix(n);
    *read = static_cast<LONG>(n);
    return 0;
}
}  // namespace

void Win32RichHolder::create() {
    if (!richEdit_) richEdit_.reset(LoadLibraryA("riched32.dll"));
    // Invisible, no word wrap (ES_AUTOHSCROLL), and no scroll bars: nobody
    // sees them, and keeping them up to date makes Wine's filling of a long log
    // many times dearer (3 MB: 18 s with the horizontal bar, 1.6 s without).
    // Without wrapping, the holder needs half the memory of one that wraps at
    // its 25-pixel width.
    window_.reset(CreateWindowExA(0, "RICHEDIT", "", WS_CHILD | ES_MULTILINE | ES_AUTOHSCROLL, kHolderLeft,
                                  kHolderTop, kHolderSize, kHolderSize, parent_, nullptr, GetModuleHandleA(nullptr),
                                  nullptr));
    if (!window_) return;
    // The default limit (64,000 characters) would cut a long log at the
    // paste without a word.
    SendMessageA(window_.get(), EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
    // Text pasted without formatting is written in the window's font as
    // designed, by its own name even where a fallback face draws the window.
    CHARFORMATA format{};
    format.cbSize = sizeof format;
    format.dwMask = CFM_FACE | CFM_SIZE | CFM_CHARSET | CFM_COLOR;
    format.dwEffects = CFE_AUTOCOLOR;
    format.yHeight = 180;  // 9 points: 12 pixels at 96 DPI
    format.bCharSet = SHIFTJIS_CHARSET;
    lstrcpynA(format.szFaceName, txt::kWindowFontFace, LF_FACESIZE);
    SendMessageA(window_.get(), EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
    SendMessageA(window_.get(), EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
}

void Win32RichHolder::fill(const ClipboardCopy& copy) {
    if (!window_) create();
    if (!window_) return;
    // What a paste of that format does: Rich Text keeps its fonts and
    // colours, text takes the holder's default character format.
    WPARAM format = SF_TEXT;
    if (copy.form == ClipboardCopy::Form::RichText) format = SF_RTF;
    else if (copy.form == ClipboardCopy::Form::UnicodeText) format = SF_TEXT | SF_UNICODE;
    std::string_view rest(copy.bytes);
    EDITSTREAM stream{};
    stream.dwCookie = reinterpret_cast<DWORD_PTR>(&rest);
    stream.pfnCallback = streamInCallback;
    SendMessageA(window_.get(), EM_STREAMIN, format | SFF_SELECTION, reinterpret_cast<LPARAM>(&stream));
}

bool Win32RichHolder::streamOut(ByteSink& sink) {
    if (!window_) return false;
    StreamState state{&sink, !plain_};
    EDITSTREAM stream{};
    stream.dwCookie = reinterpret_cast<DWORD_PTR>(&state);
    stream.pfnCallback = streamOutCallback;
    SendMessageA(window_.get(), EM_STREAMOUT, plain_ ? SF_TEXT : SF_RTF, reinterpret_cast<LPARAM>(&stream));
    if (!state.failed && state.heldBackNul && plain_) state.failed = !sink.write(std::string_view("\0", 1));
    return !state.failed && stream.dwError == 0;
}

void Win32RichHolder::clear() {
    window_.reset();
    create();
}
