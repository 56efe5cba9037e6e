// A companion log window that closes at the worst moments for a save, when
// its text control gets a message sent from another program (the save
// command has found the window):
//   length  while answering WM_GETTEXTLENGTH, before the copy;
//   select  on the select-all (EM_SETSEL 0, -1), right before WM_COPY;
//   copy    right after answering WM_COPY, the program ends at once (as if
//           killed), with the copy promised on the clipboard but no longer
//           there to be fetched.
//   copy-exit  inside WM_COPY, once it has copied: "copying" is noted, and
//           once the test has noted "others" (another program has copied
//           meanwhile), the program ends without answering.
//   vanishing_host.exe READY-FILE MODE [SECONDS]
// READY-FILE gets "ready" once the window is up and "gone" once it has
// closed itself; unasked, the program ends after SECONDS (default 120).
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/win32/handles/com_session.hpp"
#include "platform/win32/handles/unique_handle.hpp"

namespace {

WNDPROC g_richEditProc = nullptr;
HWND g_frame = nullptr;
const char* g_readyFile = nullptr;
std::string g_mode;

void note(const char* line) {
    if (FILE* out = std::fopen(g_readyFile, "ab")) {
        std::fputs(line, out);
        std::fputs("\n", out);
        std::fclose(out);
    }
}

bool noted(const char* word) {
    FILE* in = std::fopen(g_readyFile, "rb");
    if (in == nullptr) return false;
    char line[64];
    bool found = false;
    while (!found && std::fgets(line, sizeof line, in)) found = std::strncmp(line, word, std::strlen(word)) == 0;
    std::fclose(in);
    return found;
}

LRESULT CALLBACK richEditProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    const bool fromOutside = InSendMessage() && g_frame != nullptr;
    if (fromOutside && g_mode == "length" && msg == WM_GETTEXTLENGTH) {
        const LRESULT length = CallWindowProcA(g_richEditProc, hwnd, msg, wp, lp);
        // The control goes with its window; nothing may touch it afterwards.
        DestroyWindow(g_frame);
        return length;
    }
    if (fromOutside && g_mode == "select" && msg == EM_SETSEL && wp == 0 && lp == -1) {
        DestroyWindow(g_frame);
        return 0;
    }
    if (fromOutside && g_mode == "copy-exit" && msg == WM_COPY) {
        CallWindowProcA(g_richEditProc, hwnd, msg, wp, lp);
        note("copying");
        for (int i = 0; i < 300 && !noted("others"); ++i) Sleep(100);
        note("gone");
        TerminateProcess(GetCurrentProcess(), 0);
    }
    if (fromOutside && g_mode == "copy" && msg == WM_COPY) {
        PostQuitMessage(0);  // ends the program once this is answered
        return CallWindowProcA(g_richEditProc, hwnd, msg, wp, lp);
    }
    return CallWindowProcA(g_richEditProc, hwnd, msg, wp, lp);
}

LRESULT CALLBACK frameProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_DESTROY) {
        g_frame = nullptr;
        note("gone");
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

// Destroys the window at the end unless it has closed itself already.
struct FrameOwner {
    ~FrameOwner() {
        if (g_frame != nullptr) DestroyWindow(g_frame);
    }
};

}  // namespace

int main(int argc, char** argv) {
    g_mode = argc >= 3 ? argv[2] : "";
    if (argc < 3 || argc > 4 ||
        (g_mode != "length" && g_mode != "select" && g_mode != "copy" && g_mode != "copy-exit")) {
        std::fputs("usage: vanishing_host.exe READY-FILE length|select|copy|copy-exit [SECONDS]\n", stderr);
        return 2;
    }
    g_readyFile = argv[1];
    const UINT seconds = argc == 4 ? static_cast<UINT>(std::strtoul(argv[3], nullptr, 10)) : 120;
    // The rich edit's copy goes through OLE.
    const OleSession ole;
    const UniqueModule richEdit(LoadLibraryA("riched32.dll"));
    const HINSTANCE instance = GetModuleHandleA(nullptr);

    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = frameProc;
    wc.hInstance = instance;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1));
    wc.lpszClassName = "VanishingLogDisplay";
    if (!richEdit || RegisterClassExA(&wc) == 0) return 1;

    const FrameOwner owner;
    g_frame = CreateWindowExA(0, wc.lpszClassName, "LogDisplay (100%)", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 60, 60,
                              400, 240, nullptr, nullptr, instance, nullptr);
    if (g_frame == nullptr) return 1;
    const HWND text = CreateWindowExA(0, "RICHEDIT", "", WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_READONLY, 0, 0,
                                      400, 200, g_frame, nullptr, instance, nullptr);
    if (text == nullptr) return 1;
    std::string log;
    for (int i = 1; i <= 50; ++i) log += "12:00 line " + std::to_string(i) + " of a log whose window is closing\r\n";
    SetWindowTextA(text, log.c_str());
    g_richEditProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(text, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&richEditProc)));

    SetTimer(nullptr, 0, seconds * 1000, nullptr);
    note("ready");
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (msg.message == WM_TIMER && msg.hwnd == nullptr) break;
        DispatchMessageA(&msg);
    }
    if (g_mode == "copy" && g_frame != nullptr) {
        note("gone");
        TerminateProcess(GetCurrentProcess(), 0);
    }
    return 0;
}
