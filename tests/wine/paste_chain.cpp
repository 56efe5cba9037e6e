// The capture chain on the real API, as the save command runs it: find a
// host's log window, select all of its text control, copy, collapse the
// selection, paste into a hidden Rich Edit 1.0 holder of our own and stream
// the holder out to a file.
//   paste_chain.exe companion|client TITLE-OR-EMPTY OUTPUT rtf|text
// Prints "length=N" (the source's WM_GETTEXTLENGTH answer, asked from this
// process), "trailing_nul=N" (NUL bytes dropped from the end of the stream)
// and "bytes=N" (the size written).
#include <cstdio>
#include <fstream>
#include <string>

#include <windows.h>
#include <ole2.h>
#include <richedit.h>

#include "platform/win32/handles/com_session.hpp"
#include "platform/win32/handles/unique_handle.hpp"

namespace {

int fail(const char* what) {
    std::fprintf(stderr, "paste_chain: %s (error %lu)\n", what, static_cast<unsigned long>(GetLastError()));
    return 1;
}

// The stand-in may still be starting: wait for its window, with a deadline.
HWND waitForWindow(const char* className, const char* title, DWORD timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    while (true) {
        if (HWND w = FindWindowA(className, title)) return w;
        if (GetTickCount64() >= deadline) return nullptr;
        Sleep(50);
    }
}

DWORD CALLBACK collect(DWORD_PTR cookie, LPBYTE bytes, LONG count, LONG* done) {
    reinterpret_cast<std::string*>(cookie)->append(reinterpret_cast<const char*>(bytes),
                                                   static_cast<std::size_t>(count));
    *done = count;
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: paste_chain.exe companion|client TITLE OUTPUT rtf|text\n");
        return 2;
    }
    const std::string kind = argv[1];
    const char* title = argv[2][0] != '\0' ? argv[2] : nullptr;
    const std::string output = argv[3];
    const bool rtf = std::string(argv[4]) == "rtf";

    // The rich edit's copy and paste go through OLE.
    OleSession ole;
    if (!ole.ok()) return fail("OleInitialize");
    const UniqueModule richEdit(LoadLibraryA("riched32.dll"));
    if (!richEdit) return fail("LoadLibrary riched32.dll");
    const UniqueHwnd holder(CreateWindowExA(0, "RICHEDIT", "", WS_POPUP | ES_MULTILINE | WS_HSCROLL | WS_VSCROLL, 0, 0, 25,
                                            25, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr));
    if (!holder) return fail("CreateWindowEx RICHEDIT");
    // The default limit (64,000 characters) would cut a long log at the paste.
    SendMessageA(holder.get(), EM_EXLIMITTEXT, 0, 0x7FFFFFFE);

    HWND source = nullptr;
    if (kind == "companion") {
        HWND log = waitForWindow(nullptr, title, 30000);
        if (log == nullptr) return fail("no companion log window");
        // The class is "RICHEDIT"; class names compare without regard to case.
        source = FindWindowExA(log, nullptr, "RichEdit", nullptr);
    } else {
        HWND main = waitForWindow("PLTpmWin8388608", title, 30000);
        if (main == nullptr) return fail("no chat client window");
        HWND chat = FindWindowExA(main, nullptr, nullptr, "Chat Window");
        source = chat != nullptr ? FindWindowExA(chat, nullptr, "Edit", nullptr) : nullptr;
    }
    if (source == nullptr) return fail("no source control");

    const LRESULT length = SendMessageA(source, WM_GETTEXTLENGTH, 0, 0);
    std::printf("length=%ld\n", static_cast<long>(length));

    SendMessageA(source, EM_SETSEL, 0, -1);
    SendMessageA(source, WM_COPY, 0, 0);
    SendMessageA(source, EM_SETSEL, 0, 0);
    SendMessageA(holder.get(), WM_PASTE, 0, 0);

    std::string stream;
    EDITSTREAM es{reinterpret_cast<DWORD_PTR>(&stream), 0, collect};
    SendMessageA(holder.get(), EM_STREAMOUT, rtf ? SF_RTF : SF_TEXT, reinterpret_cast<LPARAM>(&es));
    if (es.dwError != 0) return fail("EM_STREAMOUT");
    // Wine's rich edit ends an RTF stream with a NUL after the closing brace;
    // Windows does not, and a log file must not end in one.
    std::size_t nuls = 0;
    while (!stream.empty() && stream.back() == '\0') {
        stream.pop_back();
        ++nuls;
    }
    std::printf("trailing_nul=%lu\n", static_cast<unsigned long>(nuls));

    std::ofstream out(output, std::ios::binary | std::ios::trunc);
    out << stream;
    out.close();
    if (!out) return fail("cannot write the output file");
    std::printf("bytes=%lu\n", static_cast<unsigned long>(stream.size()));
    return 0;
}
