// Drives the properties window of a running OrvexLog.exe from outside, as a
// user's actions arrive: clicks and keys posted to its controls, text set in
// its edit boxes (which then report the change themselves), message boxes
// and the open-file dialog answered through their own controls. Controls are
// named as in the program (TopFileName_Edit, OK_Button, ...); texts that a
// test compares are named too, so no script spells a Japanese text.
//   props_driver.exe COMMAND ARGS...   (exit 0 = done / yes, 1 = no, 2 = usage)
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "platform/win32/properties/properties_control_ids.hpp"
#include "text/texts.hpp"
#include "screen_pixels.hpp"
#include "tray_input.hpp"

namespace {

struct Named {
    const char* name;
    int id;
};

const Named kControls[] = {
    {"PageControl", kIdPageControl},
    {"OK_Button", kIdOkButton},
    {"Cancel_Button", kIdCancelButton},
    {"Save_Button", kIdSaveButton},
    {"FileName_GroupBox", kIdFileNameGroup},
    {"TopFileName_Edit", kIdTopFileNameEdit},
    {"Year_CheckBox", kIdYearCheck},
    {"Year2_RadioButton", kIdYear2Radio},
    {"Year4_RadioButton", kIdYear4Radio},
    {"Month_CheckBox", kIdMonthCheck},
    {"Day_CheckBox", kIdDayCheck},
    {"Number_CheckBox", kIdNumberCheck},
    {"Plain_CheckBox", kIdPlainCheck},
    {"Plain_RadioButton1", kIdPlainRadio1},
    {"Plain_RadioButton2", kIdPlainRadio2},
    {"Plain_RadioButton3", kIdPlainRadio3},
    {"FileNameSample_Label", kIdFileNameSampleLabel},
    {"RichText_RadioButton", kIdRichTextRadio},
    {"Plain_RadioButton", kIdPlainTextRadio},
    {"SaveFolder_Edit", kIdSaveFolderEdit},
    {"SaveFolder_Button", kIdSaveFolderButton},
    {"AutoSave_CheckBox", kIdAutoSaveCheck},
    {"AutoSaveMenu_CheckBox", kIdAutoSaveMenuCheck},
    {"AutoSave_TrackBar", kIdAutoSaveTrackBar},
    {"SaveTime_Label", kIdSaveTimeLabel},
    {"AutoSave_Label", kIdAutoSaveLabel},
    {"Create_CheckBox", kIdCreateCheck},
    {"DeleteQuorlaPath_Button", kIdDeleteQuorlaPathButton},
    {"Dialog_CheckBox", kIdDialogCheck},
    {"AutoSaveOn_CheckBox", kIdAutoSaveOnCheck},
    {"Save_RadioButton", kIdSaveRadio},
    {"MainForm_RadioButton", kIdMainFormRadio},
    {"None_RadioButton", kIdNoneRadio},
    {"Mail_Label", kIdMailLabel},
    {"HomePage_Label", kIdHomePageLabel},
    // Containers and plain labels, for the layout dump
    {"RootPanel", kIdRootPanel},
    {"FileName_TabSheet", kIdFileNamePage},
    {"FileSave_TabSheet", kIdFileSavePage},
    {"Action_TabSheet", kIdActionPage},
    {"Version_TabSheet", kIdVersionPage},
    {"TopFileName_Label", kIdTopFileNameLabel},
    {"Number_Label", kIdNumberLabel},
    {"Divide_Panel", kIdDividePanel},
    {"TextType_GroupBox", kIdTextTypeGroup},
    {"SaveFolder_GroupBox", kIdSaveFolderGroup},
    {"AutoSave_GroupBox", kIdAutoSaveGroup},
    {"Setting_GroupBox", kIdSettingGroup},
    {"DblClick_GroupBox", kIdDblClickGroup},
    {"TitlePanel", kIdTitlePanel},
    {"TitleLabel", kIdTitleLabel},
    {"VersionLabel", kIdVersionLabel},
    {"Copy_Text", kIdCopyText},
    {"MailTitle_Label", kIdMailTitleLabel},
    {"HomePageTitle_Label", kIdHomePageTitleLabel},
    {"FreeLabel", kIdFreeLabel},
    {"GroupFrame", kIdGroupFrame},
};

const char* nameOf(int id) {
    for (const Named& n : kControls)
        if (n.id == id) return n.name;
    return "-";
}

struct NamedText {
    const char* name;
    const char* const* text;
};

const NamedText kTexts[] = {
    {"warning", &txt::kCaptionWarning},
    {"error", &txt::kCaptionError},
    {"ask-create-folder", &txt::kAskCreateFolder},
    {"folder-not-created", &txt::kFolderNotCreated},
    {"quorla-installed", &txt::kQuorlaInstalledNoPath},
    {"specify-orvex", &txt::kSpecifyOrvexExe},
    {"only-quorla", &txt::kOnlyQuorlaExe},
    {"only-orvex", &txt::kOnlyOrvexExe},
    {"quorla-dialog", &txt::kQuorlaDialogTitle},
    {"orvex-dialog", &txt::kOrvexDialogTitle},
    {"browse-folder", &txt::kBrowseFolderTitle},
    {"double-byte-sample", &txt::kPageVersion},
    {"notice", &txt::kNoticeCaption},
    {"app-title", &txt::kAppTitle},
};

int usage() {
    std::fputs(
        "commands (NAME: a control's name; TEXT-NAME: a named text; SEC: deadline in seconds;\n"
        "a command that waits on a control finds it in the shown window while it waits):\n"
        "  show SEC                          the properties item of the tray's right-button menu;\n"
        "                                    wait until shown\n"
        "  wait-shown 0|1 SEC                wait until the window is shown / hidden\n"
        "  click NAME                        press a button, check box or radio button\n"
        "  mouse-click NAME                  mouse button pressed and released on a control\n"
        "  focus-click NAME                  the click report that Windows' radio buttons send\n"
        "                                    their parent when they only gain the focus; returns\n"
        "                                    once the window has handled it\n"
        "  key NAME VK                       a key pressed on a control\n"
        "  stroke NAME [ctrl+][shift+]VK     a key typed on the keyboard, modifiers held, while\n"
        "                                    NAME has the focus\n"
        "  stroke-notice [ctrl+][shift+]VK   the same while the notice has the focus\n"
        "  set-text NAME TEXT                the control's text becomes TEXT\n"
        "  type NAME TEXT                    TEXT typed into the control, one character at a time\n"
        "  type-named NAME TEXT-NAME         a named text typed into the control\n"
        "  named TEXT-NAME                   print a named text (CP932)\n"
        "  wait-program SEC                  wait until OrvexLog's window exists\n"
        "  wait-no-program SEC               wait until no OrvexLog window exists\n"
        "  wait-dialog TITLE-NAME SEC        wait until such a dialog of the program is open\n"
        "  page N SEC                        switch to page N (0 to 3) with the arrow keys\n"
        "  wait-page N SEC                   wait until page N is selected and shown\n"
        "  wait-checked NAME 0|1 SEC         wait for a check state\n"
        "  wait-enabled NAME 0|1 SEC         wait for an enabled state\n"
        "  wait-text NAME TEXT SEC           wait until the control's text is TEXT\n"
        "  wait-minutes NAME N SEC           wait until the text is N and the minutes suffix\n"
        "  wait-focus NAME SEC               wait until the control has the focus\n"
        "  shows-fresh NAME SEC              exit 0 when what the screen shows of the control is\n"
        "                                    what it paints when asked to paint itself anew\n"
        "  text NAME                         print the control's text (CP932)\n"
        "  answer-box CAPTION TEXT-NAME ok|yes|no SEC   a message box of the program:\n"
        "                                    check its text, press the button\n"
        "  real-answer-box CAPTION TEXT-NAME ok|yes|no SEC   the same with a real mouse click\n"
        "  real-click NAME                   a real mouse click (system input) on a control, once\n"
        "                                    it is shown and uncovered (10 s at most)\n"
        "  real-click-text CLASS TEXT        the same on the child showing TEXT in CLASS's window\n"
        "  wait-window-enabled form|notice|TITLE-NAME 0|1 SEC   wait until the properties\n"
        "                                    window, the notice or a dialog of the program is\n"
        "                                    enabled / disabled\n"
        "  wait-active SEC                   wait until the properties window is the active one\n"
        "  wait-taskbar N SEC                wait until the program has N taskbar entries, each\n"
        "                                    titled as the program, with no window menu\n"
        "  taskbar-activate SEC              choose the entry as the taskbar does; wait until\n"
        "                                    the properties window is in front\n"
        "  file-dialog TITLE-NAME PATH SEC   type PATH into the open-file dialog, press Open\n"
        "  cancel-dialog TITLE-NAME SEC      press the open-file dialog's Cancel\n"
        "  wait-no-dialog TITLE-NAME SEC     wait until no such dialog is open\n"
        "  browse-ok SEC                     the folder browser: check its title, press OK\n"
        "  title-utf8 OUTFILE                the properties window's caption, in UTF-8\n"
        "  text-utf8 TEXT-NAME OUTFILE       a named text, in UTF-8\n"
        "  dump OUTFILE                      every child window: depth, name, class, place in its\n"
        "                                    parent (left top width height), visible, enabled, text\n"
        "  dpi                               print the screen's pixels per inch\n"
        "  dpi-changed DPI                   WM_DPICHANGED to the window, as from another program\n"
        "                                    (no suggested rectangle)\n"
        "  arrow-order NAME N                the next N controls the arrow keys reach from NAME\n",
        stderr);
    return 2;
}

double seconds(const char* s) { return std::atof(s); }

template <typename Condition>
bool waitFor(double limit, Condition condition) {
    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(limit * 1000);
    for (;;) {
        if (condition()) return true;
        if (GetTickCount64() >= deadline) return false;
        Sleep(30);
    }
}

HWND mainForm() { return FindWindowA("TMainForm", nullptr); }

struct Search {
    int id;
    HWND found;
};

BOOL CALLBACK matchId(HWND w, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    if (GetDlgCtrlID(w) != search->id) return TRUE;
    search->found = w;
    return FALSE;
}

const Named* namedControl(const char* name) {
    for (const Named& n : kControls)
        if (std::strcmp(n.name, name) == 0) return &n;
    std::fprintf(stderr, "props_driver: unknown control name %s\n", name);
    return nullptr;
}

HWND formChild(int id) {
    Search search{id, nullptr};
    if (HWND form = mainForm()) EnumChildWindows(form, matchId, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND findControl(const Named& named) { return formChild(named.id); }

// For a command that acts at once: the caller has waited for the window.
HWND control(const char* name) {
    const Named* named = namedControl(name);
    if (named == nullptr) return nullptr;
    HWND found = findControl(*named);
    if (found == nullptr) std::fprintf(stderr, "props_driver: no control %s\n", name);
    return found;
}

const char* namedText(const char* name) {
    for (const NamedText& t : kTexts)
        if (std::strcmp(t.name, name) == 0) return *t.text;
    std::fprintf(stderr, "props_driver: unknown text name %s\n", name);
    return nullptr;
}

std::string textOf(HWND w) {
    char buffer[4096] = {};
    // Across processes WM_GETTEXT is marshalled; GetWindowText would not ask
    // the control.
    SendMessageTimeoutA(w, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer), SMTO_NORMAL, 5000, nullptr);
    return buffer;
}

std::string utf8(const std::string& cp932) {
    const int wide = MultiByteToWideChar(932, 0, cp932.c_str(), -1, nullptr, 0);
    std::vector<wchar_t> w(static_cast<std::size_t>(wide > 0 ? wide : 1));
    MultiByteToWideChar(932, 0, cp932.c_str(), -1, w.data(), wide);
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, w.data(), -1, nullptr, 0, nullptr, nullptr);
    std::vector<char> out(static_cast<std::size_t>(bytes > 0 ? bytes : 1));
    WideCharToMultiByte(CP_UTF8, 0, w.data(), -1, out.data(), bytes, nullptr, nullptr);
    return out.data();
}

// A top-level dialog (#32770) of the program's thread with this caption.
struct DialogSearch {
    DWORD thread;
    const char* caption;
    HWND found;
};

BOOL CALLBACK matchDialog(HWND w, LPARAM param) {
    auto* search = reinterpret_cast<DialogSearch*>(param);
    char cls[64] = {};
    GetClassNameA(w, cls, sizeof cls);
    if (std::strcmp(cls, "#32770") != 0 || !IsWindowVisible(w)) return TRUE;
    if (GetWindowThreadProcessId(w, nullptr) != search->thread) return TRUE;
    if (search->caption != nullptr && textOf(w) != search->caption) return TRUE;
    search->found = w;
    return FALSE;
}

HWND programDialog(const char* caption) {
    HWND form = mainForm();
    if (form == nullptr) return nullptr;
    DialogSearch search{GetWindowThreadProcessId(form, nullptr), caption, nullptr};
    EnumWindows(matchDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

BOOL CALLBACK collectStatic(HWND w, LPARAM param) {
    char cls[32] = {};
    GetClassNameA(w, cls, sizeof cls);
    if (lstrcmpiA(cls, "Static") == 0) {
        const std::string text = textOf(w);
        if (!text.empty()) {
            auto* all = reinterpret_cast<std::vector<std::string>*>(param);
            all->push_back(text);
        }
    }
    return TRUE;
}

std::vector<std::string> staticTexts(HWND dialog) {
    std::vector<std::string> all;
    EnumChildWindows(dialog, collectStatic, reinterpret_cast<LPARAM>(&all));
    return all;
}

bool pressButton(HWND dialog, int id) {
    HWND button = GetDlgItem(dialog, id);
    if (button == nullptr) return false;
    return PostMessageA(button, BM_CLICK, 0, 0) != 0;
}

bool visible() {
    HWND form = mainForm();
    return form != nullptr && IsWindowVisible(form);
}

// Waits until the properties window is shown with the control NAME and
// `condition` holds for it, looking the control up again on every try: the
// window builds its controls at its first show and binds them to the
// settings before it shows, so a lookup before the wait may come before
// they exist, and one in a hidden window may see a control not yet bound.
template <typename Condition>
bool waitForControl(const char* name, double limit, Condition condition) {
    const Named* named = namedControl(name);
    if (named == nullptr) return false;
    bool seen = false;
    const bool ok = waitFor(limit, [&] {
        HWND w = visible() ? findControl(*named) : nullptr;
        seen = seen || w != nullptr;
        return w != nullptr && condition(w);
    });
    if (!seen) std::fprintf(stderr, "props_driver: no control %s in the shown window\n", name);
    return ok;
}

// The control once the window is shown with it, for a command that then acts
// on it; null after `limit`.
HWND shownControl(const char* name, double limit) {
    HWND found = nullptr;
    waitForControl(name, limit, [&](HWND w) {
        found = w;
        return true;
    });
    return found;
}

bool pageShown(int index) {
    HWND tab = formChild(kIdPageControl);
    if (tab == nullptr || SendMessageA(tab, TCM_GETCURSEL, 0, 0) != index) return false;
    const int pageIds[] = {kIdFileNamePage, kIdFileSavePage, kIdActionPage, kIdVersionPage};
    HWND page = formChild(pageIds[index]);
    return page != nullptr && IsWindowVisible(page);
}

HWND focusOf(HWND anyWindow) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(anyWindow, nullptr), &info)) return nullptr;
    return info.hwndFocus;
}

// Typed characters arrive as WM_CHAR; posted in UTF-16 they reach an ANSI
// control as the system converts them, as from the keyboard.
void type(HWND w, const std::string& cp932) {
    const int n = MultiByteToWideChar(932, 0, cp932.c_str(), static_cast<int>(cp932.size()), nullptr, 0);
    std::vector<wchar_t> wide(static_cast<std::size_t>(n > 0 ? n : 0));
    if (n > 0) MultiByteToWideChar(932, 0, cp932.c_str(), static_cast<int>(cp932.size()), wide.data(), n);
    for (wchar_t ch : wide) PostMessageW(w, WM_CHAR, ch, 1);
}

void postClick(HWND w) {
    PostMessageA(w, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    PostMessageA(w, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
}

// A key as the keyboard delivers it, through the system's input queue to the
// foreground window, so the program sees the modifiers held (GetKeyState).
bool stroke(std::string keys) {
    std::vector<WORD> held;
    for (;;) {
        if (keys.rfind("ctrl+", 0) == 0) {
            held.push_back(VK_CONTROL);
            keys.erase(0, 5);
        } else if (keys.rfind("shift+", 0) == 0) {
            held.push_back(VK_SHIFT);
            keys.erase(0, 6);
        } else {
            break;
        }
    }
    const WORD vk = static_cast<WORD>(std::strtoul(keys.c_str(), nullptr, 0));
    std::vector<INPUT> inputs;
    auto add = [&inputs](WORD key, bool up) {
        INPUT in{};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = key;
        in.ki.wScan = static_cast<WORD>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
        in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        inputs.push_back(in);
    };
    for (WORD key : held) add(key, false);
    add(vk, false);
    add(vk, true);
    for (auto it = held.rbegin(); it != held.rend(); ++it) add(*it, true);
    return SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) == inputs.size();
}

int result(bool ok, const char* what) {
    if (!ok) std::fprintf(stderr, "props_driver: %s failed\n", what);
    return ok ? 0 : 1;
}

// The centre of a shown window, when no other window covers it there.
bool uncoveredCentre(HWND w, POINT& centre) {
    RECT r{};
    if (w == nullptr || !IsWindowVisible(w) || !GetWindowRect(w, &r)) return false;
    centre = {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    HWND under = WindowFromPoint(centre);
    return under != nullptr && GetAncestor(under, GA_ROOT) == GetAncestor(w, GA_ROOT);
}

// A mouse click as the system delivers it: to whatever window is under the
// pointer, and to nothing inside a disabled window. Aimed at the centre of
// the window `find` gives, once it is shown there and no other window covers
// it (a window just shown may not be in front yet); asked for again on every
// try, for `limit` seconds.
constexpr double kRealClickSeconds = 10;

template <typename Find>
bool realClick(Find find, double limit) {
    POINT centre{};
    if (!waitFor(limit, [&] { return uncoveredCentre(find(), centre); })) {
        std::fprintf(stderr, "props_driver: nothing shown and uncovered to click\n");
        return false;
    }
    INPUT input[3] = {};
    for (INPUT& i : input) {
        i.type = INPUT_MOUSE;
        i.mi.dx = MulDiv(centre.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
        i.mi.dy = MulDiv(centre.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    }
    input[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    input[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_ABSOLUTE;
    input[2].mi.dwFlags = MOUSEEVENTF_LEFTUP | MOUSEEVENTF_ABSOLUTE;
    return SendInput(3, input, sizeof(INPUT)) == 3;
}

// The program's taskbar entries as the shell counts them: visible top-level
// windows of its process that are unowned and no tool windows, or that ask
// for an entry (WS_EX_APPWINDOW).
struct EntrySearch {
    DWORD process;
    std::vector<HWND> entries;
};

BOOL CALLBACK collectEntry(HWND w, LPARAM param) {
    auto* search = reinterpret_cast<EntrySearch*>(param);
    DWORD process = 0;
    GetWindowThreadProcessId(w, &process);
    if (process != search->process || !IsWindowVisible(w)) return TRUE;
    const LONG exStyle = GetWindowLongA(w, GWL_EXSTYLE);
    const bool owned = GetWindow(w, GW_OWNER) != nullptr;
    if ((exStyle & WS_EX_APPWINDOW) != 0 || (!owned && (exStyle & WS_EX_TOOLWINDOW) == 0)) search->entries.push_back(w);
    return TRUE;
}

std::vector<HWND> taskbarEntries() {
    HWND form = mainForm();
    if (form == nullptr) return {};
    EntrySearch search{0, {}};
    GetWindowThreadProcessId(form, &search.process);
    EnumWindows(collectEntry, reinterpret_cast<LPARAM>(&search));
    return search.entries;
}

// What is wrong with an entry, or empty. (Its icon is checked inside the
// process: Wine does not answer WM_GETICON or class icons across processes.)
std::string entryFault(HWND entry) {
    if (textOf(entry) != txt::kAppTitle) return "title [" + utf8(textOf(entry)) + "]";
    if ((GetWindowLongA(entry, GWL_STYLE) & WS_SYSMENU) != 0) return "a window menu";
    return {};
}

int answerBox(const char* captionName, const char* textName, const char* buttonName, double limit, bool real) {
    const char* caption = namedText(captionName);
    const char* want = std::strcmp(textName, "-") == 0 ? nullptr : namedText(textName);
    if (caption == nullptr) return 2;
    const int button = std::strcmp(buttonName, "yes") == 0 ? IDYES : std::strcmp(buttonName, "no") == 0 ? IDNO : IDOK;
    HWND box = nullptr;
    if (!waitFor(limit, [&] { return (box = programDialog(caption)) != nullptr; }))
        return result(false, "waiting for the message box");
    if (want != nullptr) {
        bool found = false;
        for (const std::string& text : staticTexts(box)) found = found || text == want;
        if (!found) {
            std::fprintf(stderr, "props_driver: box text differs; it holds:\n");
            for (const std::string& text : staticTexts(box)) std::fprintf(stderr, "  [%s]\n", utf8(text).c_str());
            std::fprintf(stderr, "wanted:\n  [%s]\n", utf8(want).c_str());
            return 1;
        }
    }
    if (real ? !realClick([&] { return GetDlgItem(box, button); }, limit) : !pressButton(box, button))
        return result(false, "pressing the box's button");
    return result(waitFor(limit, [&] { return !IsWindow(box) || !IsWindowVisible(box); }), "closing the box");
}

// The name box of an Explorer-style open dialog: the combo box cmb13 on
// Windows, the edit edt1 in Wine's.
HWND fileNameBox(HWND dialog) {
    if (HWND combo = GetDlgItem(dialog, 0x47C)) {
        if (HWND edit = FindWindowExA(combo, nullptr, "Edit", nullptr)) return edit;
        return combo;
    }
    return GetDlgItem(dialog, 0x480);
}

int fileDialog(const char* titleName, const char* path, double limit) {
    const char* title = namedText(titleName);
    if (title == nullptr) return 2;
    HWND dialog = nullptr;
    if (!waitFor(limit, [&] { return (dialog = programDialog(title)) != nullptr && IsWindowEnabled(dialog); }))
        return result(false, "waiting for the open-file dialog");
    HWND name = nullptr;
    if (!waitFor(limit, [&] { return (name = fileNameBox(dialog)) != nullptr; }))
        return result(false, "finding the name box");
    SendMessageTimeoutA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path), SMTO_NORMAL, 5000, nullptr);
    if (textOf(name) != path) return result(false, "typing the file name");
    return result(pressButton(dialog, IDOK), "pressing Open");
}

struct DumpState {
    HWND top;
    FILE* out;
};

int depthBelow(HWND top, HWND w) {
    int depth = 0;
    for (; w != nullptr && w != top; w = GetParent(w)) ++depth;
    return depth;
}

BOOL CALLBACK dumpOne(HWND w, LPARAM param) {
    auto* state = reinterpret_cast<DumpState*>(param);
    char cls[64] = {};
    GetClassNameA(w, cls, sizeof cls);
    RECT r{};
    GetWindowRect(w, &r);
    MapWindowPoints(nullptr, GetParent(w), reinterpret_cast<POINT*>(&r), 2);
    const LONG style = GetWindowLongA(w, GWL_STYLE);
    std::fprintf(state->out, "%d\t%s\t%s\t%ld\t%ld\t%ld\t%ld\t%d\t%d\t%s\n", depthBelow(state->top, w), nameOf(GetDlgCtrlID(w)),
                 cls, r.left, r.top, r.right - r.left, r.bottom - r.top, (style & WS_VISIBLE) != 0 ? 1 : 0,
                 (style & WS_DISABLED) == 0 ? 1 : 0, utf8(textOf(w)).c_str());
    return TRUE;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return usage();
    const std::string cmd = argv[1];
    if (cmd == "show" && argc == 3) {
        HWND form = nullptr;
        if (!waitFor(seconds(argv[2]), [&] { return (form = mainForm()) != nullptr; }))
            return result(false, "finding TMainForm");
        // 「プロパティ(&R)」 from the menu of a right press on the icon.
        if (!tray_input::choose(form, WM_RBUTTONDOWN, 'R', seconds(argv[2])))
            return result(false, "choosing the tray menu's properties item");
        return result(waitFor(seconds(argv[2]), visible), "showing the window");
    }
    if (cmd == "wait-shown" && argc == 4) {
        const bool want = std::atoi(argv[2]) != 0;
        return result(waitFor(seconds(argv[3]), [&] { return visible() == want; }), "waiting for the window");
    }
    if (cmd == "click" && argc == 3) {
        HWND w = control(argv[2]);
        return result(w != nullptr && PostMessageA(w, BM_CLICK, 0, 0), "click");
    }
    if (cmd == "mouse-click" && argc == 3) {
        HWND w = control(argv[2]);
        if (w == nullptr) return 1;
        postClick(w);
        return 0;
    }
    if (cmd == "key" && argc == 4) {
        HWND w = control(argv[2]);
        if (w == nullptr) return 1;
        const WPARAM vk = std::strtoul(argv[3], nullptr, 0);
        PostMessageA(w, WM_KEYDOWN, vk, 1);
        PostMessageA(w, WM_KEYUP, vk, static_cast<LPARAM>(0xC0000001u));
        return 0;
    }
    if (cmd == "focus-click" && argc == 3) {
        HWND w = control(argv[2]);
        // Sent, as the button sends it from its focus handling: once it
        // returns, the window has reacted, and a check that the report
        // changed nothing is not made too early.
        DWORD_PTR answer = 0;
        return result(w != nullptr && SendMessageTimeoutA(GetParent(w), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(w), BN_CLICKED),
                                                          reinterpret_cast<LPARAM>(w), SMTO_NORMAL, 10000, &answer),
                      "focus click");
    }
    if (cmd == "stroke" && argc == 4) {
        if (!waitForControl(argv[2], 10, [](HWND w) { return focusOf(w) == w; }))
            return result(false, "focus before the stroke");
        return result(stroke(argv[3]), "typing the stroke");
    }
    if (cmd == "stroke-notice" && argc == 3) {
        const bool focused = waitFor(10, [] {
            HWND notice = FindWindowA("TDialogForm", nullptr);
            const HWND focus = notice != nullptr ? focusOf(notice) : nullptr;
            return focus != nullptr && GetAncestor(focus, GA_ROOT) == notice;
        });
        if (!focused) return result(false, "focus on the notice before the stroke");
        return result(stroke(argv[2]), "typing the stroke");
    }
    if (cmd == "set-text" && argc == 4) {
        HWND w = control(argv[2]);
        if (w == nullptr) return 1;
        // A reaction may open a message box; do not wait for it to be
        // answered.
        SendMessageTimeoutA(w, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(argv[3]), SMTO_NORMAL, 2000, nullptr);
        return 0;
    }
    if ((cmd == "type" || cmd == "type-named") && argc == 4) {
        HWND w = control(argv[2]);
        const char* text = cmd == "type" ? argv[3] : namedText(argv[3]);
        if (w == nullptr || text == nullptr) return 1;
        type(w, text);
        return 0;
    }
    if (cmd == "named" && argc == 3) {
        const char* text = namedText(argv[2]);
        if (text == nullptr) return 1;
        std::fputs(text, stdout);
        return 0;
    }
    if (cmd == "wait-program" && argc == 3)
        return result(waitFor(seconds(argv[2]), [] { return mainForm() != nullptr; }), "waiting for OrvexLog");
    if (cmd == "wait-dialog" && argc == 4) {
        const char* title = namedText(argv[2]);
        return result(title != nullptr && waitFor(seconds(argv[3]), [&] { return programDialog(title) != nullptr; }),
                      "waiting for the dialog");
    }
    if (cmd == "wait-no-program" && argc == 3)
        return result(waitFor(seconds(argv[2]), [] { return mainForm() == nullptr; }), "waiting for no OrvexLog");
    if (cmd == "page" && argc == 4) {
        HWND tab = shownControl("PageControl", seconds(argv[3]));
        if (tab == nullptr) return 1;
        const int want = std::atoi(argv[2]);
        for (int step = 0; step < 8; ++step) {
            const int now = static_cast<int>(SendMessageA(tab, TCM_GETCURSEL, 0, 0));
            if (now == want) break;
            const WPARAM vk = now < want ? VK_RIGHT : VK_LEFT;
            PostMessageA(tab, WM_KEYDOWN, vk, 1);
            PostMessageA(tab, WM_KEYUP, vk, static_cast<LPARAM>(0xC0000001u));
            waitFor(seconds(argv[3]), [&] { return SendMessageA(tab, TCM_GETCURSEL, 0, 0) != now; });
        }
        return result(waitFor(seconds(argv[3]), [&] { return pageShown(want); }), "switching pages");
    }
    if (cmd == "wait-page" && argc == 4) {
        const int want = std::atoi(argv[2]);
        return result(waitFor(seconds(argv[3]), [&] { return pageShown(want); }), "waiting for the page");
    }
    if (cmd == "wait-checked" && argc == 5) {
        const LRESULT want = std::atoi(argv[3]) != 0 ? BST_CHECKED : BST_UNCHECKED;
        return result(waitForControl(argv[2], seconds(argv[4]),
                                     [&](HWND w) { return SendMessageA(w, BM_GETCHECK, 0, 0) == want; }),
                      "waiting for the check state");
    }
    if (cmd == "wait-enabled" && argc == 5) {
        const bool want = std::atoi(argv[3]) != 0;
        return result(waitForControl(argv[2], seconds(argv[4]), [&](HWND w) { return (IsWindowEnabled(w) != 0) == want; }),
                      "waiting for the enabled state");
    }
    if ((cmd == "wait-text" || cmd == "wait-minutes") && argc == 5) {
        const std::string want = cmd == "wait-text" ? argv[3] : std::string(argv[3]) + txt::kMinutesSuffix;
        std::string held;
        const bool ok = waitForControl(argv[2], seconds(argv[4]), [&](HWND w) { return (held = textOf(w)) == want; });
        if (!ok)
            std::fprintf(stderr, "props_driver: %s holds [%s], wanted [%s]\n", argv[2], utf8(held).c_str(),
                         utf8(want).c_str());
        return result(ok, "waiting for the text");
    }
    if (cmd == "wait-focus" && argc == 4)
        return result(waitForControl(argv[2], seconds(argv[3]), [](HWND w) { return focusOf(w) == w; }),
                      "waiting for the focus");
    if (cmd == "shows-fresh" && argc == 4) {
        HWND w = shownControl(argv[2], seconds(argv[3]));
        RECT r{};
        if (w == nullptr || !visibleRect(w, r)) return 1;
        const std::vector<DWORD> shown = settledPixels(w, r, seconds(argv[3]));
        RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE);
        const std::vector<DWORD> fresh = settledPixels(w, r, seconds(argv[3]));
        return result(!shown.empty() && shown == fresh, "the screen shows a stale picture");
    }
    if (cmd == "text" && argc == 3) {
        HWND w = control(argv[2]);
        if (w == nullptr) return 1;
        std::fputs(textOf(w).c_str(), stdout);
        return 0;
    }
    if ((cmd == "answer-box" || cmd == "real-answer-box") && argc == 6)
        return answerBox(argv[2], argv[3], argv[4], seconds(argv[5]), cmd == "real-answer-box");
    if (cmd == "real-click" && argc == 3) {
        const Named* named = namedControl(argv[2]);
        return result(named != nullptr && realClick([&] { return findControl(*named); }, kRealClickSeconds),
                      "real click");
    }
    if (cmd == "real-click-text" && argc == 4) {
        const auto child = [&]() -> HWND {
            HWND top = FindWindowA(argv[2], nullptr);
            for (HWND c = top != nullptr ? GetWindow(top, GW_CHILD) : nullptr; c != nullptr; c = GetWindow(c, GW_HWNDNEXT))
                if (textOf(c) == argv[3]) return c;
            return nullptr;
        };
        return result(realClick(child, kRealClickSeconds), "real click");
    }
    if (cmd == "wait-window-enabled" && argc == 5) {
        const bool form = std::strcmp(argv[2], "form") == 0, notice = std::strcmp(argv[2], "notice") == 0;
        const char* title = form || notice ? nullptr : namedText(argv[2]);
        const bool want = std::atoi(argv[3]) != 0;
        const bool ok = waitFor(seconds(argv[4]), [&] {
            HWND w = form ? mainForm() : notice ? FindWindowA("TDialogForm", nullptr) : programDialog(title);
            return w != nullptr && (IsWindowEnabled(w) != 0) == want;
        });
        return result(ok, "waiting for the window's enabled state");
    }
    if (cmd == "wait-active" && argc == 3) {
        const bool ok = waitFor(seconds(argv[2]), [] {
            GUITHREADINFO info{};
            info.cbSize = sizeof info;
            HWND form = mainForm();
            return form != nullptr && GetGUIThreadInfo(GetWindowThreadProcessId(form, nullptr), &info) &&
                   info.hwndActive == form;
        });
        return result(ok, "waiting for the properties window to be active");
    }
    if (cmd == "wait-taskbar" && argc == 4) {
        const std::size_t want = static_cast<std::size_t>(std::atoi(argv[2]));
        std::string fault;
        const bool ok = waitFor(seconds(argv[3]), [&] {
            const std::vector<HWND> entries = taskbarEntries();
            fault = entries.size() == want ? "" : std::to_string(entries.size()) + " entries";
            for (HWND entry : entries)
                if (fault.empty()) fault = entryFault(entry);
            return fault.empty();
        });
        if (!ok) std::fprintf(stderr, "props_driver: taskbar: %s\n", fault.c_str());
        return result(ok, "waiting for the taskbar entries");
    }
    if (cmd == "taskbar-activate" && argc == 3) {
        std::vector<HWND> entries;
        if (!waitFor(seconds(argv[2]), [&] { return (entries = taskbarEntries()).size() == 1; }))
            return result(false, "finding the one taskbar entry");
        // Another program in front first, so that the entry has something
        // to bring the window forward from.
        HWND other = CreateWindowExA(0, "STATIC", "other program", WS_POPUP | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                                     nullptr, nullptr, nullptr);
        SetForegroundWindow(other);
        const bool away = waitFor(seconds(argv[2]), [&] { return GetForegroundWindow() == other; });
        // What the taskbar does with a click on an entry.
        SwitchToThisWindow(entries[0], TRUE);
        const bool forward = waitFor(seconds(argv[2]), [] { return GetForegroundWindow() == mainForm(); });
        DestroyWindow(other);
        if (!away) return result(false, "putting another window in front");
        return result(forward, "bringing the properties window forward");
    }
    if (cmd == "file-dialog" && argc == 5) return fileDialog(argv[2], argv[3], seconds(argv[4]));
    if (cmd == "cancel-dialog" && argc == 4) {
        const char* title = namedText(argv[2]);
        HWND dialog = nullptr;
        if (title == nullptr ||
            !waitFor(seconds(argv[3]), [&] { return (dialog = programDialog(title)) != nullptr && IsWindowEnabled(dialog); }))
            return result(false, "waiting for the open-file dialog");
        return result(pressButton(dialog, IDCANCEL), "pressing Cancel");
    }
    if (cmd == "wait-no-dialog" && argc == 4) {
        const char* title = namedText(argv[2]);
        return result(title != nullptr && waitFor(seconds(argv[3]), [&] { return programDialog(title) == nullptr; }),
                      "waiting for the dialog to close");
    }
    if (cmd == "browse-ok" && argc == 3) {
        HWND browser = nullptr;
        const bool found = waitFor(seconds(argv[2]), [&] {
            browser = programDialog(nullptr);
            if (browser == nullptr) return false;
            for (const std::string& text : staticTexts(browser))
                if (text == txt::kBrowseFolderTitle) return true;
            return false;
        });
        if (!found) return result(false, "waiting for the folder browser");
        if (!pressButton(browser, IDOK)) return result(false, "pressing OK");
        return result(waitFor(seconds(argv[2]), [&] { return !IsWindow(browser); }), "closing the browser");
    }
    if (cmd == "title-utf8" && argc == 3) {
        HWND form = mainForm();
        if (form == nullptr) return 1;
        FILE* out = std::fopen(argv[2], "wb");
        if (out == nullptr) return 1;
        std::fputs(utf8(textOf(form)).c_str(), out);
        std::fclose(out);
        return 0;
    }
    if (cmd == "text-utf8" && argc == 4) {
        const char* text = namedText(argv[2]);
        FILE* out = text != nullptr ? std::fopen(argv[3], "wb") : nullptr;
        if (out == nullptr) return 1;
        std::fputs(utf8(text).c_str(), out);
        std::fclose(out);
        return 0;
    }
    if (cmd == "arrow-order" && argc == 4) {
        HWND form = mainForm();
        HWND w = control(argv[2]);
        if (form == nullptr || w == nullptr) return 1;
        // As the arrow keys move: GetNextDlgGroupItem over the window's tree,
        // containers included.
        for (int i = std::atoi(argv[3]); i > 0 && w != nullptr; --i) {
            w = GetNextDlgGroupItem(form, w, FALSE);
            std::printf("%s\n", w != nullptr ? nameOf(GetDlgCtrlID(w)) : "(none)");
        }
        return 0;
    }
    if (cmd == "dpi" && argc == 2) {
        HDC screen = GetDC(nullptr);
        std::printf("%d\n", GetDeviceCaps(screen, LOGPIXELSY));
        ReleaseDC(nullptr, screen);
        return 0;
    }
    if (cmd == "dpi-changed" && argc == 3) {
        HWND form = mainForm();
        const auto dpi = static_cast<WORD>(std::atoi(argv[2]));
        DWORD_PTR answer = 0;
        return result(form != nullptr && SendMessageTimeoutA(form, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), 0,
                                                             SMTO_NORMAL, 20000, &answer) != 0,
                      "WM_DPICHANGED");
    }
    if (cmd == "dump" && argc == 3) {
        HWND form = mainForm();
        if (form == nullptr) return 1;
        FILE* out = std::fopen(argv[2], "wb");
        if (out == nullptr) return 1;
        DumpState state{form, out};
        EnumChildWindows(form, dumpOne, reinterpret_cast<LPARAM>(&state));
        std::fclose(out);
        return 0;
    }
    return usage();
}
