#include "host_windows.hpp"

#include <richedit.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "sample_text.hpp"

namespace standin {

namespace {

const char kCompanionClass[] = "StandinLogDisplay";
const char kClientClass[] = "PLTpmWin8388608";
const char kChatPaneClass[] = "StandinChatPane";

// Rich edit 1.0's class; FindWindowExA(..., "RichEdit", ...) finds it because
// class names compare without regard to case.
const char kRichEditClass[] = "RICHEDIT";

WNDPROC g_richEditProc = nullptr;
WNDPROC g_editProc = nullptr;

// --slow-copy: a WM_COPY from another program is answered this long after
// the copy, or once the test releases it, and noted in the notes file first.
DWORD g_copyDelayMs = 0;
DWORD g_silentAfterCopyMs = 0;
std::string g_copyNotes;
int g_slowCopies = 0;

void note(const char* what, int count) {
    if (g_copyNotes.empty()) return;
    if (FILE* out = std::fopen(g_copyNotes.c_str(), "ab")) {
        std::fprintf(out, "%s=%d\r\n", what, count);
        std::fclose(out);
    }
}

// The test has released copy N: the notes file holds the line "release=N".
bool released(int copy) {
    FILE* in = g_copyNotes.empty() ? nullptr : std::fopen(g_copyNotes.c_str(), "rb");
    if (in == nullptr) return false;
    const std::string want = "release=" + std::to_string(copy);
    char line[64];
    bool found = false;
    while (!found && std::fgets(line, sizeof line, in)) {
        std::string text(line);
        text.erase(text.find_last_not_of("\r\n") + 1);
        found = text == want;
    }
    std::fclose(in);
    return found;
}

LRESULT copySlowly(WNDPROC original, HWND hwnd, WPARAM wp, LPARAM lp) {
    const LRESULT result = CallWindowProcA(original, hwnd, WM_COPY, wp, lp);
    ++g_slowCopies;
    note("copying", g_slowCopies);
    if (g_silentAfterCopyMs > 0) {
        ReplyMessage(result);  // the caller goes on; its paste then waits on us
        Sleep(g_silentAfterCopyMs);
    }
    // A test that needs the copy under way until it has done something
    // releases it then, rather than betting on the time that takes.
    const DWORD started = GetTickCount();
    while (GetTickCount() - started < g_copyDelayMs && !released(g_slowCopies)) Sleep(50);
    note("answered", g_slowCopies);
    return result;
}

// --hand-over: the companion's copy is a promise of our own, kept here until
// it is asked for.
bool g_promise = false;
DWORD g_handOverMs = 0;
int g_handOvers = 0;
std::string g_promisedRtf;
std::string g_promisedText;  // UTF-16LE

DWORD CALLBACK appendStream(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* done) {
    reinterpret_cast<std::string*>(cookie)->append(reinterpret_cast<const char*>(buffer), static_cast<std::size_t>(size));
    *done = size;
    return 0;
}

std::string selection(HWND control, WPARAM format) {
    std::string bytes;
    EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&bytes), 0, appendStream};
    CallWindowProcA(g_richEditProc, control, EM_STREAMOUT, format | SFF_SELECTION, reinterpret_cast<LPARAM>(&stream));
    return bytes;
}

UINT rtfFormat() {
    static const UINT format = RegisterClipboardFormatA("Rich Text Format");
    return format;
}

// The selection, promised in two formats; the frame window owns the
// clipboard and renders them.
void promiseCopy(HWND control) {
    g_promisedRtf = selection(control, SF_RTF);
    g_promisedText = selection(control, SF_TEXT | SF_UNICODE);
    if (!OpenClipboard(GetParent(control))) return;
    EmptyClipboard();
    SetClipboardData(rtfFormat(), nullptr);
    SetClipboardData(CF_UNICODETEXT, nullptr);
    CloseClipboard();
}

void renderPromise(UINT format) {
    ++g_handOvers;
    note("handing", g_handOvers);
    Sleep(g_handOverMs);
    const std::string& bytes = format == CF_UNICODETEXT ? g_promisedText : g_promisedRtf;
    const std::size_t terminator = format == CF_UNICODETEXT ? 2 : 1;
    HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes.size() + terminator);
    if (data == nullptr) return;
    std::memcpy(GlobalLock(data), bytes.data(), bytes.size());
    GlobalUnlock(data);
    if (SetClipboardData(format, data) == nullptr) GlobalFree(data);
    note("handed", g_handOvers);
}

bool slowCopyAsked(UINT msg) {
    return msg == WM_COPY && (g_copyDelayMs > 0 || g_silentAfterCopyMs > 0) && InSendMessage();
}

// A rich edit asked for WM_GETTEXTLENGTH from another process answers 0 under
// Wine when it holds double-byte text, where Windows answers the byte count.
// The hosts we stand in for answer like Windows, so the text controls are
// subclassed with an ANSI procedure that answers in bytes itself. (Wine's
// EM_GETTEXTLENGTHEX gives an upper bound, characters times two; the caller
// in the other process still receives the exact count, because Wine measures
// the text again when it carries the answer across.)
LRESULT CALLBACK richEditProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_COPY && g_promise && InSendMessage()) {
        promiseCopy(hwnd);
        return 0;
    }
    if (slowCopyAsked(msg)) return copySlowly(g_richEditProc, hwnd, wp, lp);
    if (msg == WM_GETTEXTLENGTH) {
        GETTEXTLENGTHEX query{GTL_PRECISE | GTL_NUMBYTES, CP_ACP};
        return CallWindowProcA(g_richEditProc, hwnd, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&query), 0);
    }
    return CallWindowProcA(g_richEditProc, hwnd, msg, wp, lp);
}

LRESULT CALLBACK editProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (slowCopyAsked(msg)) return copySlowly(g_editProc, hwnd, wp, lp);
    // Through the ANSI procedure the edit control counts CP932 bytes.
    return CallWindowProcA(g_editProc, hwnd, msg, wp, lp);
}

void fillParent(HWND parent) {
    RECT r{};
    GetClientRect(parent, &r);
    if (HWND child = GetWindow(parent, GW_CHILD)) MoveWindow(child, 0, 0, r.right, r.bottom, TRUE);
}

LRESULT CALLBACK frameProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_RENDERFORMAT:
        if (g_promise) renderPromise(static_cast<UINT>(wp));
        return 0;
    case WM_SIZE:
        fillParent(hwnd);
        return 0;
    case WM_DESTROY:
        // Closing any of the stand-in's windows ends the stand-in.
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(hwnd, msg, wp, lp);
    }
}

LRESULT CALLBACK paneProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_SIZE) {
        fillParent(hwnd);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

struct StreamCursor {
    const std::string* bytes;
    std::size_t pos;
};

DWORD CALLBACK readStream(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* done) {
    auto* cursor = reinterpret_cast<StreamCursor*>(cookie);
    const std::size_t left = cursor->bytes->size() - cursor->pos;
    const std::size_t n = left < static_cast<std::size_t>(size) ? left : static_cast<std::size_t>(size);
    cursor->bytes->copy(reinterpret_cast<char*>(buffer), n, cursor->pos);
    cursor->pos += n;
    *done = static_cast<LONG>(n);
    return 0;
}

template <typename Proc>
void subclass(HWND control, WNDPROC& original, Proc proc) {
    const LONG_PTR previous =
        SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(static_cast<WNDPROC>(proc)));
    if (original == nullptr) original = reinterpret_cast<WNDPROC>(previous);
}

bool registerClass(HINSTANCE instance, const char* name, WNDPROC proc, int background) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = proc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(background + 1));
    wc.lpszClassName = name;
    return RegisterClassExA(&wc) != 0;
}

std::string lastError(const std::string& what) { return what + " failed, error " + std::to_string(GetLastError()); }

}  // namespace

void setSlowCopy(unsigned long seconds, unsigned long silentSeconds, const std::string& notesFile) {
    g_copyDelayMs = static_cast<DWORD>(seconds * 1000);
    g_silentAfterCopyMs = static_cast<DWORD>(silentSeconds * 1000);
    g_copyNotes = notesFile;
}

void setPromisedCopy(unsigned long seconds) {
    g_promise = true;
    g_handOverMs = static_cast<DWORD>(seconds * 1000);
}

std::string companionTitle(int percent) {
    const char* opening = percent >= 100 ? "(" : percent >= 10 ? "( " : "(  ";
    return "LogDisplay " + std::string(opening) + std::to_string(percent) + "%)";
}

long textBytes(HWND control) {
    char className[16] = {};
    GetClassNameA(control, className, sizeof className);
    if (lstrcmpiA(className, kRichEditClass) != 0) return GetWindowTextLengthA(control);
    // Wine answers EM_GETTEXTLENGTHEX with an upper bound (characters times
    // the code page's largest character), so count the bytes of the text.
    GETTEXTLENGTHEX chars{GTL_NUMCHARS, 1200};
    const auto n = static_cast<std::size_t>(SendMessageA(control, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&chars), 0));
    std::string text(n * 2 + 1, '\0');
    GETTEXTEX get{static_cast<DWORD>(text.size()), GT_DEFAULT, CP_ACP, nullptr, nullptr};
    return static_cast<long>(
        SendMessageA(control, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&get), reinterpret_cast<LPARAM>(text.data())));
}

HostWindows::HostWindows(HINSTANCE instance)
    : instance_(instance),
      editFont_(CreateFontA(-14, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                            CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN, kLogFontFace)) {}

bool HostWindows::registerClasses(std::string& error) {
    if (!registerClass(instance_, kCompanionClass, frameProc, COLOR_WINDOW) ||
        !registerClass(instance_, kClientClass, frameProc, COLOR_BTNFACE) ||
        !registerClass(instance_, kChatPaneClass, paneProc, COLOR_BTNFACE)) {
        error = lastError("RegisterClassEx");
        return false;
    }
    return true;
}

bool HostWindows::addCompanion(int percent, const LogContent& content, std::string& error) {
    const int offset = 30 * static_cast<int>(companions_.size());
    CompanionWindow w;
    w.percent = percent;
    w.frame = UniqueWindow(CreateWindowExA(0, kCompanionClass, companionTitle(percent).c_str(), WS_OVERLAPPEDWINDOW,
                                           40 + offset, 40 + offset, 520, 340, nullptr, nullptr, instance_, nullptr));
    if (w.frame.get() == nullptr) {
        error = lastError("CreateWindowEx LogDisplay");
        return false;
    }
    w.text = CreateWindowExA(WS_EX_CLIENTEDGE, kRichEditClass, "",
                             WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_READONLY, 0, 0,
                             100, 100, w.frame.get(), nullptr, instance_, nullptr);
    if (w.text == nullptr) {
        error = lastError("CreateWindowEx RICHEDIT");
        return false;
    }
    subclass(w.text, g_richEditProc, richEditProc);
    // No length limit: the default (64,000 characters) would cut a big log.
    SendMessageA(w.text, EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
    // Sized before it is filled: each size lays a long log out again.
    fillParent(w.frame.get());
    if (!content.bytes.empty()) {
        StreamCursor cursor{&content.bytes, 0};
        EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&cursor), 0, readStream};
        SendMessageA(w.text, EM_STREAMIN, content.rtf ? SF_RTF : SF_TEXT, reinterpret_cast<LPARAM>(&stream));
        if (stream.dwError != 0) {
            error = "EM_STREAMIN failed";
            return false;
        }
    }
    companions_.push_back(std::move(w));
    return true;
}

bool HostWindows::addClient(const std::string& title, const LogContent& content, std::string& error) {
    const int offset = 30 * static_cast<int>(clients_.size());
    ClientWindow w;
    w.frame = UniqueWindow(CreateWindowExA(0, kClientClass, title.c_str(), WS_OVERLAPPEDWINDOW, 200 + offset,
                                           260 + offset, 560, 360, nullptr, nullptr, instance_, nullptr));
    if (w.frame.get() == nullptr) {
        error = lastError("CreateWindowEx " + std::string(kClientClass));
        return false;
    }
    w.chat = CreateWindowExA(0, kChatPaneClass, "Chat Window", WS_CHILD | WS_VISIBLE, 0, 0, 100, 100, w.frame.get(),
                             nullptr, instance_, nullptr);
    if (w.chat == nullptr) {
        error = lastError("CreateWindowEx Chat Window");
        return false;
    }
    w.edit = CreateWindowExA(WS_EX_CLIENTEDGE, "Edit", "",
                             WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_READONLY, 0, 0,
                             100, 100, w.chat, nullptr, instance_, nullptr);
    if (w.edit == nullptr) {
        error = lastError("CreateWindowEx Edit");
        return false;
    }
    subclass(w.edit, g_editProc, editProc);
    if (editFont_.get() != nullptr) SendMessageA(w.edit, WM_SETFONT, reinterpret_cast<WPARAM>(editFont_.get()), FALSE);
    SendMessageA(w.edit, EM_SETLIMITTEXT, 0, 0);  // 0: the largest limit
    fillParent(w.frame.get());  // before the text, as above
    SetWindowTextA(w.edit, content.bytes.c_str());
    clients_.push_back(std::move(w));
    return true;
}

void HostWindows::showAll() {
    for (auto& c : clients_) {
        ShowWindow(c.frame.get(), SW_SHOWNORMAL);
        UpdateWindow(c.frame.get());
    }
    for (auto& c : companions_) {
        ShowWindow(c.frame.get(), SW_SHOWNORMAL);
        UpdateWindow(c.frame.get());
    }
}

}  // namespace standin
