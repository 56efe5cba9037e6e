// Drives OrvexLog.exe from outside as a user's actions would arrive: the
// tray's callbacks sent as the shell sends them, messages posted to its
// windows, buttons of its message boxes pressed, and checks of
// what it left on screen, on the clipboard and in the notification area.
//   ui_driver.exe COMMAND ARGS...   (exit 0 = yes / done, 1 = no, 2 = usage)
#include <windows.h>
#include <psapi.h>
#include <shellapi.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "platform/win32/handles/unique_handle.hpp"
#include "screen_pixels.hpp"
#include "tray_input.hpp"

namespace {

const char* orNull(const char* s) { return std::strcmp(s, "-") == 0 ? nullptr : s; }

unsigned long number(const char* s) { return std::strtoul(s, nullptr, 0); }

template <typename Find>
bool waitFor(double seconds, Find find) {
    const DWORD deadline = GetTickCount() + static_cast<DWORD>(seconds * 1000);
    for (;;) {
        if (find()) return true;
        if (static_cast<LONG>(GetTickCount() - deadline) >= 0) return false;
        Sleep(50);
    }
}

// A message box of ours: a shown dialog (#32770) with the given title, the
// top one if several. Its caption comes before its text, which it gets just
// before it shows: one not yet shown may be read or answered half made.
HWND findBox(const char* title, HWND after = nullptr) {
    for (HWND w = after; (w = FindWindowExA(nullptr, w, "#32770", title)) != nullptr;)
        if (IsWindowVisible(w)) return w;
    return nullptr;
}

BOOL CALLBACK collectText(HWND child, LPARAM param) {
    char cls[32] = {};
    GetClassNameA(child, cls, sizeof cls);
    if (lstrcmpiA(cls, "Static") == 0) {
        char text[4096] = {};
        GetWindowTextA(child, text, sizeof text);
        if (text[0] != '\0') *reinterpret_cast<std::string*>(param) += text;
    }
    return TRUE;
}

// The notice's one-line centred labels.
constexpr const char* kValueLabelClass = "OrvexLogValueLabel";

BOOL CALLBACK collectLines(HWND child, LPARAM param) {
    char cls[32] = {};
    GetClassNameA(child, cls, sizeof cls);
    if (lstrcmpiA(cls, "Static") == 0 || lstrcmpiA(cls, kValueLabelClass) == 0) {
        char text[4096] = {};
        GetWindowTextA(child, text, sizeof text);
        *reinterpret_cast<std::string*>(param) += std::string(text) + "\n";
    }
    return TRUE;
}

struct WindowCount {
    DWORD process;
    int count;
};

BOOL CALLBACK countChildWindows(HWND w, LPARAM param) {
    auto* c = reinterpret_cast<WindowCount*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(w, &owner);
    if (owner == c->process) ++c->count;
    return TRUE;
}

BOOL CALLBACK countWindows(HWND w, LPARAM param) {
    countChildWindows(w, param);
    EnumChildWindows(w, countChildWindows, param);
    return TRUE;
}

// Wine's GetGuiResources is a stub that answers 0. Its GDI handle table,
// though, is per process, laid out as Windows' (0x10000 entries of 24 bytes)
// and found through the PEB (GdiSharedHandleTable, offset 0x94 in a 32-bit
// PEB); an entry in use has a non-zero type. -1 when it cannot be read.
long wineGdiObjects(HANDLE process) {
    struct BasicInformation {
        LONG exitStatus;
        void* peb;
        ULONG_PTR rest[4];
    };
    using Query = LONG(WINAPI*)(HANDLE, int, void*, ULONG, ULONG*);
    const auto query = reinterpret_cast<Query>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQueryInformationProcess")));
    BasicInformation info{};
    if (query == nullptr || query(process, 0, &info, sizeof info, nullptr) != 0) return -1;
    std::uint32_t table = 0;
    SIZE_T got = 0;
    if (!ReadProcessMemory(process, static_cast<const char*>(info.peb) + 0x94, &table, sizeof table, &got) ||
        table == 0)
        return -1;
    constexpr std::size_t kEntries = 0x10000, kEntrySize = 24, kTypeOffset = 14;
    std::vector<unsigned char> entries(kEntries * kEntrySize);
    if (!ReadProcessMemory(process, reinterpret_cast<const void*>(static_cast<ULONG_PTR>(table)), entries.data(),
                           entries.size(), &got))
        return -1;
    long inUse = 0;
    for (std::size_t i = 0; i < kEntries; ++i)
        if (entries[i * kEntrySize + kTypeOffset] != 0) ++inUse;
    return inUse;
}

// What a leak would grow, in the process that owns the first window of
// CLASS: USER and GDI objects (under Wine: the process's windows and its GDI
// handle table), and memory.
int processStats(const char* className) {
    HWND w = FindWindowA(className, nullptr);
    if (w == nullptr) return 1;
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    const UniqueKernelHandle owner(OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid));
    if (!owner) return 1;
    const HANDLE process = owner.get();
    SetLastError(0);
    const DWORD user = GetGuiResources(process, GR_USEROBJECTS);
    const bool stub = user == 0 && GetLastError() == ERROR_CALL_NOT_IMPLEMENTED;
    const DWORD gdi = GetGuiResources(process, GR_GDIOBJECTS);
    const long wineGdi = stub ? wineGdiObjects(process) : -1;
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory);
    WindowCount windows{pid, 0};
    EnumWindows(countWindows, reinterpret_cast<LPARAM>(&windows));
    if (!stub)
        std::printf("user=%lu gdi=%lu ", static_cast<unsigned long>(user), static_cast<unsigned long>(gdi));
    else
        std::printf("user=n/a gdi=%ld ", wineGdi);
    // Windows reports the commit charge in both fields; Wine only in the older.
    const SIZE_T privateBytes = memory.PrivateUsage != 0 ? memory.PrivateUsage : memory.PagefileUsage;
    std::printf("windows=%d private=%lu working=%lu\n", windows.count, static_cast<unsigned long>(privateBytes),
                static_cast<unsigned long>(memory.WorkingSetSize));
    return 0;
}

struct Forged {
    const char* className;
    UINT message;
    int reached = 0, answered = 0;
};

// Zeroed memory in the process that owns the window: an object whose table
// of virtual functions is at address 0, as a program that means harm could
// place one of its own making there.
void* objectInProcessOf(HWND w) {
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    const UniqueKernelHandle process(OpenProcess(PROCESS_VM_OPERATION, FALSE, pid));
    if (!process) return nullptr;
    return VirtualAllocEx(process.get(), nullptr, 4096, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
}

void sendForged(HWND w, Forged& f) {
    char cls[64] = {};
    GetClassNameA(w, cls, sizeof cls);
    if (lstrcmpiA(cls, f.className) != 0) return;
    ++f.reached;
    // An address that no program has mapped.
    LPARAM lParam = 0x100;
    CREATESTRUCTA creation{};
    if (f.message == WM_NCCREATE) {
        creation.lpCreateParams = objectInProcessOf(w);
        creation.lpszName = "forged";
        creation.lpszClass = f.className;
        lParam = reinterpret_cast<LPARAM>(&creation);
    }
    DWORD_PTR result = 0;
    if (SendMessageTimeoutA(w, f.message, 0, lParam, SMTO_ABORTIFHUNG, 5000, &result)) ++f.answered;
}

BOOL CALLBACK forgeChild(HWND w, LPARAM param) {
    sendForged(w, *reinterpret_cast<Forged*>(param));
    return TRUE;
}

BOOL CALLBACK forgeTop(HWND w, LPARAM param) {
    sendForged(w, *reinterpret_cast<Forged*>(param));
    EnumChildWindows(w, forgeChild, param);
    return TRUE;
}

// Sends what only the system should send a window, from this process, to
// every window of CLASS: creation data naming an object of our making, a
// destruction notice, or a control notification whose pointer points
// nowhere. Prints how many windows it reached and how many answered.
int forge(const char* kind, const char* className) {
    Forged f{className, 0};
    if (std::strcmp(kind, "nccreate") == 0) f.message = WM_NCCREATE;
    else if (std::strcmp(kind, "ncdestroy") == 0) f.message = WM_NCDESTROY;
    else if (std::strcmp(kind, "notify") == 0) f.message = WM_NOTIFY;
    else return 2;
    EnumWindows(forgeTop, reinterpret_cast<LPARAM>(&f));
    std::printf("%s to %s: reached %d, answered %d\n", kind, className, f.reached, f.answered);
    return f.reached > 0 ? 0 : 1;
}

int usage() {
    std::fputs(
        "commands:\n"
        "  post CLASS MSG WPARAM LPARAM      PostMessage to the first window of CLASS\n"
        "  notify CLASS MSG WPARAM LPARAM    SendNotifyMessage to it, as the tray sends\n"
        "  tray CLASS left|right|double|enter|menukey [KEY SEC]   the icon's callbacks for a\n"
        "                                    press (and its release), a double click, Enter on\n"
        "                                    the icon (NIN_KEYSELECT) or the menu key\n"
        "                                    (WM_CONTEXTMENU), sent as the shell does; with KEY,\n"
        "                                    the menu's item of that access key chosen\n"
        "  tray-event CLASS MESSAGE          one callback of the icon with MESSAGE as its event\n"
        "  wait-menu CLASS 0|1 SEC           wait until its program shows a pop-up menu / none\n"
        "  menu-close CLASS                  close its open pop-up menu without a choice (Escape)\n"
        "  menu-checked CLASS                exit 0 when the first item of its open pop-up menu\n"
        "                                    shows a check mark (read off the screen: Wine gives\n"
        "                                    another process no access to a menu)\n"
        "  set-title CLASS TITLE             the first window of CLASS gets the title TITLE\n"
        "  tray-icon-point                   print the screen point at the middle of the first icon\n"
        "                                    in Wine's notification area (\"Wine System Tray\")\n"
        "  send CLASS MSG WPARAM LPARAM      sent as well, returning once it is handled\n"
        "  wait-hung CLASS SEC               wait until its program counts as hung\n"
        "  wait-window CLASS|- TITLE|- SEC   wait until such a top-level window exists\n"
        "  wait-gone CLASS|- TITLE|- SEC     wait until no such window exists\n"
        "  visible CLASS                     exit 0 when a window of CLASS is visible\n"
        "  wait-visible CLASS SEC            wait until a window of CLASS is visible\n"
        "  wait-hidden CLASS SEC             wait until no window of CLASS is visible\n"
        "  texts CLASS OUTFILE               the texts of its static controls, one a line\n"
        "  rect CLASS|- [TITLE]              print its outer rectangle: left top right bottom\n"
        "  on-screen CLASS                   exit 0 when it lies wholly in a monitor's work area\n"
        "  move CLASS LEFT TOP               move it, as a user's drag would\n"
        "  box-text TITLE SEC OUTFILE        wait for a message box on screen, write its text\n"
        "  wait-boxes TITLE N SEC            wait until exactly N such boxes are on screen\n"
        "  press TITLE BUTTON-ID SEC         press a button of a message box on screen (the top\n"
        "                                    one)\n"
        "  clipboard-empty                   exit 0 when the clipboard holds nothing\n"
        "  clipboard-set TEXT [SEC]          put text on the clipboard; with SEC, stay its owner\n"
        "                                    (the window that put it there) for SEC seconds\n"
        "  clipboard-hold SEC                keep the clipboard open for SEC seconds\n"
        "  clipboard-watch MS                as clipboard managers and the system's clipboard\n"
        "                                    history do: open the clipboard on every change\n"
        "                                    notification, list its formats, hold it MS ms;\n"
        "                                    prints \"watching\", then \"held N\", until ended\n"
        "  icon-present CLASS                exit 0 when CLASS's tray icon 1 exists\n"
        "  icon-remove CLASS                 remove CLASS's tray icon 1, as a lost tray would\n"
        "  taskbar-created                   broadcast the shell's \"TaskbarCreated\"\n"
        "  ink CLASS TEXT                    of the child window showing TEXT: its width, the\n"
        "                                    first and last of its columns inside its parent's\n"
        "                                    client area, and the first and last of those with\n"
        "                                    ink on screen once painted (not the button face;\n"
        "                                    -1 -1 if none)\n"
        "  process-stats CLASS               print the USER and GDI objects, windows and\n"
        "                                    memory of the process owning CLASS\n"
        "  forge nccreate|ncdestroy|notify CLASS\n"
        "                                    send that message, as only the system should,\n"
        "                                    to every window of CLASS (see forge())\n",
        stderr);
    return 2;
}

struct TextSearch {
    const char* text;
    HWND found;
};

BOOL CALLBACK matchText(HWND child, LPARAM param) {
    auto* search = reinterpret_cast<TextSearch*>(param);
    char text[4096] = {};
    GetWindowTextA(child, text, sizeof text);
    if (std::strcmp(text, search->text) != 0) return TRUE;
    search->found = child;
    return FALSE;
}

// What the screen shows of a child window, column by column, once its
// painting is done.
int printInk(const char* cls, const char* text) {
    HWND top = FindWindowA(cls, nullptr);
    TextSearch search{text, nullptr};
    if (top != nullptr) EnumChildWindows(top, matchText, reinterpret_cast<LPARAM>(&search));
    RECT label{}, r{};
    if (search.found == nullptr || !GetWindowRect(search.found, &label) || !visibleRect(search.found, r)) return 1;
    const std::vector<DWORD> pixels = settledPixels(search.found, r, 10);
    if (pixels.empty()) return 1;
    const int width = r.right - r.left, height = r.bottom - r.top;
    const int offset = r.left - label.left;
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const DWORD faceRgb = (GetRValue(face) << 16) | (GetGValue(face) << 8) | GetBValue(face);
    int first = -1, last = -1;
    for (int x = 0; x < width; ++x)
        for (int y = 0; y < height; ++y) {
            if (pixels[static_cast<std::size_t>(y * width + x)] == faceRgb) continue;
            if (first < 0) first = x;
            last = x;
            break;
        }
    std::printf("%ld %d %d %d %d\n", label.right - label.left, offset, offset + width - 1,
                first < 0 ? -1 : offset + first, last < 0 ? -1 : offset + last);
    return 0;
}

// The clipboard opened as programs open it, with a window of their own: under
// Wine two openings without a window would both succeed.
bool openClipboard() {
    static const HWND window = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                               GetModuleHandleA(nullptr), nullptr);
    return OpenClipboard(window) != 0;
}

// The check mark's column of the first item: inside the menu's frame, as
// wide as a check mark, one item high. Unchecked, it holds nothing but the
// menu's background (the item's text starts right of it).
int menuChecked(const char* cls) {
    HWND w = FindWindowA(cls, nullptr);
    HWND menu = w != nullptr ? tray_input::openMenu(w) : nullptr;
    RECT r{};
    if (menu == nullptr || !GetWindowRect(menu, &r)) return 2;
    const int frame = GetSystemMetrics(SM_CXEDGE) + 1;
    const RECT column{r.left + frame, r.top + frame, r.left + frame + GetSystemMetrics(SM_CXMENUCHECK),
                      r.top + frame + GetSystemMetrics(SM_CYMENU)};
    const std::vector<DWORD> pixels = screenPixels(column);
    if (pixels.empty()) return 2;
    const COLORREF face = GetSysColor(COLOR_MENU);
    const DWORD faceRgb = (GetRValue(face) << 16) | (GetGValue(face) << 8) | GetBValue(face);
    for (const DWORD p : pixels)
        if (p != faceRgb) return 0;
    return 1;
}

DWORD g_watchHoldMs = 0;
int g_watchHolds = 0;

LRESULT CALLBACK watchProc(HWND w, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_CLIPBOARDUPDATE) return DefWindowProcA(w, message, wParam, lParam);
    // Such programs try again for a moment when the clipboard is busy.
    for (int tries = 0; tries < 20; ++tries) {
        if (OpenClipboard(w)) {
            for (UINT format = EnumClipboardFormats(0); format != 0;) format = EnumClipboardFormats(format);
            Sleep(g_watchHoldMs);
            CloseClipboard();
            std::printf("held %d\n", ++g_watchHolds);
            std::fflush(stdout);
            return 0;
        }
        Sleep(5);
    }
    return 0;
}

int watchClipboard(DWORD holdMs) {
    g_watchHoldMs = holdMs;
    WNDCLASSA wc{};
    wc.lpfnWndProc = watchProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "OrvexLogTestClipboardWatcher";
    RegisterClassA(&wc);
    HWND w = CreateWindowExA(0, wc.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
    if (w == nullptr || !AddClipboardFormatListener(w)) return 1;
    std::puts("watching");
    std::fflush(stdout);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return usage();
    const std::string cmd = argv[1];
    if ((cmd == "post" || cmd == "notify" || cmd == "send") && argc == 6) {
        HWND w = FindWindowA(argv[2], nullptr);
        if (w == nullptr) return 1;
        if (cmd == "send") {
            DWORD_PTR answer = 0;
            return SendMessageTimeoutA(w, static_cast<UINT>(number(argv[3])), number(argv[4]),
                                       static_cast<LPARAM>(number(argv[5])), SMTO_NORMAL, 30000, &answer)
                       ? 0
                       : 1;
        }
        const auto send = cmd == "post" ? PostMessageA : SendNotifyMessageA;
        return send(w, static_cast<UINT>(number(argv[3])), number(argv[4]), static_cast<LPARAM>(number(argv[5])))
                   ? 0
                   : 1;
    }
    if (cmd == "wait-hung" && argc == 4) {
        return waitFor(std::atof(argv[3]), [&] {
                   HWND w = FindWindowA(argv[2], nullptr);
                   return w != nullptr && IsHungAppWindow(w);
               }) ? 0 : 1;
    }
    if ((cmd == "wait-window" || cmd == "wait-gone") && argc == 5) {
        const bool present = cmd == "wait-window";
        return waitFor(std::atof(argv[4]), [&] {
                   return (FindWindowA(orNull(argv[2]), orNull(argv[3])) != nullptr) == present;
               }) ? 0 : 1;
    }
    if (cmd == "visible" && argc == 3) {
        HWND w = FindWindowA(argv[2], nullptr);
        return w != nullptr && IsWindowVisible(w) ? 0 : 1;
    }
    if ((cmd == "wait-visible" || cmd == "wait-hidden") && argc == 4) {
        const bool want = cmd == "wait-visible";
        return waitFor(std::atof(argv[3]), [&] {
                   HWND w = FindWindowA(argv[2], nullptr);
                   return (w != nullptr && IsWindowVisible(w)) == want;
               }) ? 0 : 1;
    }
    if (cmd == "texts" && argc == 4) {
        HWND w = FindWindowA(argv[2], nullptr);
        if (w == nullptr) return 1;
        std::string text;
        EnumChildWindows(w, collectLines, reinterpret_cast<LPARAM>(&text));
        FILE* out = std::fopen(argv[3], "wb");
        if (out == nullptr) return 1;
        std::fwrite(text.data(), 1, text.size(), out);
        std::fclose(out);
        return 0;
    }
    if (cmd == "ink" && argc == 4) return printInk(argv[2], argv[3]);
    if (cmd == "tray" && (argc == 4 || argc == 6)) {
        const std::string press = argv[3];
        const UINT message = press == "left"      ? WM_LBUTTONDOWN
                             : press == "right"   ? WM_RBUTTONDOWN
                             : press == "double"  ? WM_LBUTTONDBLCLK
                             : press == "enter"   ? tray_input::kNinKeySelect
                             : press == "menukey" ? WM_CONTEXTMENU
                                                  : 0;
        if (message == 0) return 2;
        if (argc == 4) {
            HWND w = FindWindowA(argv[2], nullptr);
            return w != nullptr && tray_input::send(w, message) ? 0 : 1;
        }
        HWND w = nullptr;
        const double seconds = std::atof(argv[5]);
        if (!waitFor(seconds, [&] { return (w = FindWindowA(argv[2], nullptr)) != nullptr; })) return 1;
        return tray_input::choose(w, message, argv[4][0], seconds) ? 0 : 1;
    }
    if (cmd == "tray-event" && argc == 4) {
        HWND w = FindWindowA(argv[2], nullptr);
        return w != nullptr && tray_input::event(w, static_cast<UINT>(number(argv[3]))) ? 0 : 1;
    }
    if (cmd == "wait-menu" && argc == 5) {
        const bool open = std::atoi(argv[3]) != 0;
        return waitFor(std::atof(argv[4]), [&] {
                   HWND w = FindWindowA(argv[2], nullptr);
                   return w != nullptr && tray_input::waitMenu(w, open, 0);
               }) ? 0 : 1;
    }
    if (cmd == "set-title" && argc == 4) {
        HWND w = FindWindowA(argv[2], nullptr);
        return w != nullptr && SendMessageTimeoutA(w, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(argv[3]), SMTO_NORMAL,
                                                   10000, nullptr)
                   ? 0
                   : 1;
    }
    if (cmd == "menu-checked" && argc == 3) return menuChecked(argv[2]);
    if (cmd == "menu-close" && argc == 3) {
        HWND w = FindWindowA(argv[2], nullptr);
        return w != nullptr && tray_input::dismiss(w) ? 0 : 1;
    }
    if (cmd == "tray-icon-point" && argc == 2) {
        POINT middle{};
        if (!tray_input::iconPoint(middle)) return 1;
        std::printf("%ld %ld\n", middle.x, middle.y);
        return 0;
    }
    if (cmd == "rect" && (argc == 3 || argc == 4)) {
        HWND w = FindWindowA(orNull(argv[2]), argc == 4 ? argv[3] : nullptr);
        RECT r{};
        if (w == nullptr || !GetWindowRect(w, &r)) return 1;
        std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right, r.bottom);
        return 0;
    }
    if (cmd == "on-screen" && argc == 3) {
        HWND w = FindWindowA(argv[2], nullptr);
        RECT r{}, inside{};
        MONITORINFO monitor{};
        monitor.cbSize = sizeof monitor;
        if (w == nullptr || !GetWindowRect(w, &r) ||
            !GetMonitorInfoA(MonitorFromRect(&r, MONITOR_DEFAULTTONEAREST), &monitor))
            return 1;
        return IntersectRect(&inside, &r, &monitor.rcWork) && EqualRect(&inside, &r) ? 0 : 1;
    }
    if (cmd == "move" && argc == 5) {
        HWND w = FindWindowA(argv[2], nullptr);
        if (w == nullptr) return 1;
        return SetWindowPos(w, nullptr, std::atoi(argv[3]), std::atoi(argv[4]), 0, 0,
                            SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE) ? 0 : 1;
    }
    if (cmd == "box-text" && argc == 5) {
        HWND box = nullptr;
        if (!waitFor(std::atof(argv[3]), [&] { return (box = findBox(argv[2])) != nullptr; })) return 1;
        std::string text;
        EnumChildWindows(box, collectText, reinterpret_cast<LPARAM>(&text));
        FILE* out = std::fopen(argv[4], "wb");
        if (out == nullptr) return 1;
        std::fwrite(text.data(), 1, text.size(), out);
        std::fclose(out);
        return 0;
    }
    if (cmd == "wait-boxes" && argc == 5) {
        const int want = static_cast<int>(number(argv[3]));
        return waitFor(std::atof(argv[4]), [&] {
                   int n = 0;
                   for (HWND w = nullptr; (w = findBox(argv[2], w)) != nullptr;) ++n;
                   return n == want;
               }) ? 0 : 1;
    }
    if (cmd == "press" && argc == 5) {
        HWND box = nullptr;
        if (!waitFor(std::atof(argv[4]), [&] { return (box = findBox(argv[2])) != nullptr; })) return 1;
        const int id = static_cast<int>(number(argv[3]));
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, id)));
        return 0;
    }
    if (cmd == "clipboard-empty" && argc == 2) {
        if (!openClipboard()) return 1;
        const int formats = CountClipboardFormats();
        CloseClipboard();
        return formats == 0 ? 0 : 1;
    }
    if (cmd == "clipboard-set" && (argc == 3 || argc == 4)) {
        if (!openClipboard()) return 1;
        EmptyClipboard();
        const std::size_t n = std::strlen(argv[2]) + 1;
        HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, n);
        if (mem != nullptr) {
            std::memcpy(GlobalLock(mem), argv[2], n);
            GlobalUnlock(mem);
            if (SetClipboardData(CF_TEXT, mem) == nullptr) GlobalFree(mem);
        }
        CloseClipboard();
        if (argc == 4) Sleep(static_cast<DWORD>(std::atof(argv[3]) * 1000));
        return 0;
    }
    if (cmd == "clipboard-hold" && argc == 3) {
        if (!openClipboard()) return 1;
        std::puts("held");
        std::fflush(stdout);
        Sleep(static_cast<DWORD>(std::atof(argv[2]) * 1000));
        CloseClipboard();
        return 0;
    }
    if (cmd == "clipboard-watch" && argc == 3) return watchClipboard(static_cast<DWORD>(std::atof(argv[2])));
    if ((cmd == "icon-present" || cmd == "icon-remove") && argc == 3) {
        HWND w = FindWindowA(argv[2], nullptr);
        if (w == nullptr) return 1;
        NOTIFYICONDATAA data{};
        data.cbSize = NOTIFYICONDATAA_V1_SIZE;
        data.hWnd = w;
        data.uID = 1;
        // Modifying nothing succeeds only when the icon is there.
        return Shell_NotifyIconA(cmd == "icon-present" ? NIM_MODIFY : NIM_DELETE, &data) ? 0 : 1;
    }
    if (cmd == "taskbar-created" && argc == 2) {
        const UINT message = RegisterWindowMessageA("TaskbarCreated");
        DWORD_PTR result = 0;
        SendMessageTimeoutA(HWND_BROADCAST, message, 0, 0, SMTO_ABORTIFHUNG, 5000, &result);
        return 0;
    }
    if (cmd == "process-stats" && argc == 3) return processStats(argv[2]);
    if (cmd == "forge" && argc == 4) return forge(argv[2], argv[3]);
    return usage();
}
