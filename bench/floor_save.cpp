// The floor of a save: the least any program must do to put another
// program's rich edit log into a file. It stays resident like OrvexLog and
// saves when it gets WM_COMMAND 102 with the source control's handle in
// lParam:
//   EM_SETSEL 0,-1 and WM_COPY to the source, WM_PASTE into its own
//   "RICHEDIT" holder, EM_STREAMOUT (RTF) into a file.
// The file is written under a temporary name and renamed when complete, so
// bench/run.sh sees it appear exactly as it sees OrvexLog's logs appear.
// Nothing else is timed: the holder is made ready before the command and
// replaced afterwards, as OrvexLog does.
//   floor_save.exe SAVE_FOLDER STEPS_FILE [LIKE]
// STEPS_FILE gets one line per save: copy, paste, stream-out and rename times
// in milliseconds, to tell where a save's time goes.
// LIKE adds, to find what makes a save dearer than the floor, some of what
// OrvexLog does beyond it (joined by '+'):
//   styles  the holder's scroll bars and no word wrap (hscroll + vscroll)
//   hscroll WS_HSCROLL | ES_AUTOHSCROLL only (no word wrap)
//   vscroll WS_VSCROLL | ES_AUTOVSCROLL only
//   autoh   ES_AUTOHSCROLL only (no word wrap, no scroll bar)
//   hbar    WS_HSCROLL only (a scroll bar, words still wrap)
//   wide    words wrap at a holder 30,000 pixels wide
//   format  the holder's default character format (the window font's face)
//   flush   FlushFileBuffers before the file is closed
#include <windows.h>
#include <richedit.h>

#include <cstdio>
#include <string>

#include "platform/win32/handles/com_session.hpp"
#include "platform/win32/handles/unique_handle.hpp"
#include "text/texts.hpp"

namespace {

constexpr UINT kSaveCommand = 102;
constexpr const char* kClassName = "OrvexBenchFloor";

struct FloorState {
    std::string folder;
    std::string stepsFile;
    bool hscroll = false, vscroll = false, autoh = false, hbar = false, wide = false, toolFormat = false, flush = false;
    HWND window = nullptr;
    UniqueHwnd holder;
    int saves = 0;
};

FloorState* g_state = nullptr;

double nowMs() {
    LARGE_INTEGER frequency{}, counter{};
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

void createHolder(FloorState& s) {
    DWORD style = WS_CHILD | ES_MULTILINE;
    if (s.hscroll) style |= WS_HSCROLL | ES_AUTOHSCROLL;
    if (s.vscroll) style |= WS_VSCROLL | ES_AUTOVSCROLL;
    if (s.autoh) style |= ES_AUTOHSCROLL;
    if (s.hbar) style |= WS_HSCROLL;
    const int width = s.wide ? 30000 : 25;
    s.holder.reset(CreateWindowExA(0, "RICHEDIT", "", style, 0, 0, width, 25, s.window, nullptr,
                                   GetModuleHandleA(nullptr), nullptr));
    if (!s.holder) return;
    // Without the largest limit a long log would be cut at 64,000 characters.
    SendMessageA(s.holder.get(), EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
    if (s.toolFormat) {
        CHARFORMATA format{};
        format.cbSize = sizeof format;
        format.dwMask = CFM_FACE | CFM_SIZE | CFM_CHARSET | CFM_COLOR;
        format.dwEffects = CFE_AUTOCOLOR;
        format.yHeight = 180;
        format.bCharSet = SHIFTJIS_CHARSET;
        lstrcpynA(format.szFaceName, txt::kWindowFontFace, LF_FACESIZE);
        SendMessageA(s.holder.get(), EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
        SendMessageA(s.holder.get(), EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
    }
}

DWORD CALLBACK writeChunk(DWORD_PTR cookie, LPBYTE buffer, LONG count, LONG* written) {
    DWORD done = 0;
    const BOOL ok = WriteFile(reinterpret_cast<HANDLE>(cookie), buffer, static_cast<DWORD>(count), &done, nullptr);
    *written = static_cast<LONG>(done);
    return ok && done == static_cast<DWORD>(count) ? 0 : 1;
}

void appendSteps(const std::string& path, const char* line) {
    FILE* out = std::fopen(path.c_str(), "ab");
    if (out == nullptr) return;
    std::fputs(line, out);
    std::fclose(out);
}

void save(FloorState& s, HWND source) {
    const std::string name = "floor_" + std::to_string(++s.saves) + ".rtf";
    const std::string temp = s.folder + "\\~floor.tmp";
    const std::string target = s.folder + "\\" + name;

    const double t0 = nowMs();
    SendMessageA(source, EM_SETSEL, 0, -1);
    SendMessageA(source, WM_COPY, 0, 0);
    const double t1 = nowMs();
    SendMessageA(s.holder.get(), WM_PASTE, 0, 0);
    const double t2 = nowMs();
    bool streamed = false;
    {
        UniqueFile file(CreateFileA(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                    nullptr));
        if (file) {
            EDITSTREAM stream{};
            stream.dwCookie = reinterpret_cast<DWORD_PTR>(file.get());
            stream.pfnCallback = writeChunk;
            SendMessageA(s.holder.get(), EM_STREAMOUT, SF_RTF, reinterpret_cast<LPARAM>(&stream));
            streamed = stream.dwError == 0;
            if (s.flush) streamed = FlushFileBuffers(file.get()) && streamed;
        }
    }
    const double t3 = nowMs();
    const bool moved = streamed && MoveFileExA(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
    const double t4 = nowMs();

    char line[160];
    std::snprintf(line, sizeof line, "copy=%.1f paste=%.1f streamout=%.1f rename=%.1f ok=%d\r\n", t1 - t0, t2 - t1,
                  t3 - t2, t4 - t3, moved ? 1 : 0);
    appendSteps(s.stepsFile, line);

    // Outside the timed part: a fresh holder (emptying one costs far more
    // under Wine) and an empty clipboard, as OrvexLog leaves them.
    createHolder(s);
    if (OpenClipboard(s.window)) {
        EmptyClipboard();
        CloseClipboard();
    }
}

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && LOWORD(wParam) == kSaveCommand && g_state != nullptr) {
        save(*g_state, reinterpret_cast<HWND>(lParam));
        return 0;
    }
    if (message == WM_CLOSE) {
        if (g_state != nullptr) g_state->holder.reset();
        DestroyWindow(window);
        return 0;
    }
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    if (__argc != 3 && __argc != 4) return 2;
    OleSession ole;
    const UniqueModule richEdit(LoadLibraryA("riched32.dll"));
    if (!ole.ok() || !richEdit) return 1;

    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kClassName;
    if (RegisterClassA(&windowClass) == 0) return 1;

    FloorState state;
    state.folder = __argv[1];
    state.stepsFile = __argv[2];
    const std::string like = __argc == 4 ? __argv[3] : "";
    const bool styles = like.find("styles") != std::string::npos;
    state.hscroll = styles || like.find("hscroll") != std::string::npos;
    state.vscroll = styles || like.find("vscroll") != std::string::npos;
    state.autoh = like.find("autoh") != std::string::npos;
    state.hbar = like.find("hbar") != std::string::npos;
    state.wide = like.find("wide") != std::string::npos;
    state.toolFormat = like.find("format") != std::string::npos;
    state.flush = like.find("flush") != std::string::npos;
    // Hidden, never shown: the holder's parent and the command's target.
    // Titled by its LIKE, so that several variants can run side by side.
    const std::string title = like.empty() ? "floor" : like;
    state.window = CreateWindowExA(0, kClassName, title.c_str(), WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
                                   nullptr, instance, nullptr);
    if (state.window == nullptr) return 1;
    createHolder(state);
    g_state = &state;

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    g_state = nullptr;
    return 0;
}
