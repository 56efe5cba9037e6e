// The open-file dialog on the real comdlg32: title, filter and starting name
// as requested, a refused file keeps it open, an accepted one closes it and
// comes back, the current folder stays where it was, an exception from the
// check gets out only after the dialog has closed, and the program's other
// windows take no input while it is up.
#include <gtest/gtest.h>

#include <windows.h>

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/win32/system/win32_open_file_dialog.hpp"
#include "platform/win32/window/modal_loop.hpp"
#include "win32/system/test_folders.hpp"

namespace {

// The user's side, run from a timer inside the dialog's own loop.
struct Script {
    std::string title;
    std::vector<std::string> names;  // typed one after another, each confirmed with Open
    std::size_t typed = 0;
    std::string initialName;         // what the name box held when the dialog came up
    std::vector<std::string> titlesSeen;
    std::string typeShown;       // the file-type list's current entry
    bool readOnlyBoxShown = true;
    bool quit = false;           // a quit request instead of the user's answer
};
Script g_script;

BOOL CALLBACK findDialog(HWND w, LPARAM param) {
    char cls[32] = {};
    GetClassNameA(w, cls, sizeof cls);
    char title[256] = {};
    GetWindowTextA(w, title, sizeof title);
    if (std::string(cls) != "#32770" || !IsWindowVisible(w) || g_script.title != title) return TRUE;
    *reinterpret_cast<HWND*>(param) = w;
    return FALSE;
}

HWND nameBox(HWND dialog) {
    if (HWND combo = GetDlgItem(dialog, 0x47C)) {
        HWND edit = FindWindowExA(combo, nullptr, "Edit", nullptr);
        return edit != nullptr ? edit : combo;
    }
    return GetDlgItem(dialog, 0x480);
}

std::string textOf(HWND w) {
    char text[MAX_PATH * 2] = {};
    GetWindowTextA(w, text, sizeof text);
    return text;
}

// Each tick: once the dialog is up and idle, type the next name and press
// Open; when the names are used up, cancel.
void CALLBACK act(HWND, UINT, UINT_PTR, DWORD) {
    HWND dialog = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), findDialog, reinterpret_cast<LPARAM>(&dialog));
    if (dialog == nullptr || !IsWindowEnabled(dialog)) return;
    HWND name = nameBox(dialog);
    if (name == nullptr) return;
    if (g_script.typed == 0 && g_script.titlesSeen.empty()) {
        g_script.initialName = textOf(name);
        if (HWND types = GetDlgItem(dialog, 0x470)) g_script.typeShown = textOf(types);
        HWND readOnly = GetDlgItem(dialog, 0x410);
        g_script.readOnlyBoxShown = readOnly != nullptr && IsWindowVisible(readOnly);
    }
    g_script.titlesSeen.push_back(textOf(dialog));
    if (g_script.quit) {
        if (g_script.titlesSeen.size() == 1) PostQuitMessage(0);
    } else if (g_script.typed < g_script.names.size()) {
        SetWindowTextA(name, g_script.names[g_script.typed++].c_str());
        PostMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    } else {
        PostMessageA(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
    }
}

OpenFileRequest request(const std::string& fileName) {
    OpenFileRequest r;
    r.title = "Locate the test program";
    r.filterName = "Test program";
    r.filterPattern = "Quorla.exe";
    r.initialFolder = "::{20D04FE0-3AEA-1069-A2D8-08002B30309D}";
    r.fileName = fileName;
    return r;
}

std::optional<std::string> runScripted(const OpenFileRequest& r, std::vector<std::string> names,
                                       const std::function<bool(const std::string&)>& canClose, bool quit = false) {
    g_script = Script{};
    g_script.quit = quit;
    g_script.title = r.title;
    g_script.names = std::move(names);
    const UINT_PTR timer = SetTimer(nullptr, 0, 150, act);
    struct KillOnExit {
        UINT_PTR id;
        ~KillOnExit() { KillTimer(nullptr, id); }
    } kill{timer};
    Win32OpenFileDialog dialog(nullptr);
    return dialog.run(r, canClose);
}

}  // namespace

TEST(Win32OpenFileDialog, ARefusedFileKeepsItOpenAndAnAcceptedOneComesBack) {
    const std::string wanted = windowsFolder() + "\\QUORLA.EXE";  // need not exist
    char before[MAX_PATH] = {}, after[MAX_PATH] = {};
    ASSERT_TRUE(SetCurrentDirectoryA("C:\\") && GetCurrentDirectoryA(MAX_PATH, before));
    std::vector<std::string> asked;
    // The user opens the Windows folder first, then types the names.
    const std::vector<std::string> names = {windowsFolder(), windowsFolder() + "\\notepad.exe", wanted};
    const auto chosen = runScripted(request("last.exe"), names, [&](const std::string& path) {
        asked.push_back(path);
        return path == wanted;
    });
    EXPECT_EQ(chosen, wanted);
    GetCurrentDirectoryA(MAX_PATH, after);
    EXPECT_STREQ(after, before);  // not moved to the folder the user opened
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[0], windowsFolder() + "\\notepad.exe");
    EXPECT_EQ(asked[1], wanted);
    EXPECT_EQ(g_script.initialName, "last.exe");
    EXPECT_EQ(g_script.titlesSeen.front(), "Locate the test program");
    EXPECT_EQ(g_script.typeShown, "Test program");
    EXPECT_FALSE(g_script.readOnlyBoxShown);
}

TEST(Win32OpenFileDialog, CancelGivesNothingAndAsksNothing) {
    bool asked = false;
    const auto chosen = runScripted(request(""), {}, [&](const std::string&) { return asked = true; });
    EXPECT_EQ(chosen, std::nullopt);
    EXPECT_FALSE(asked);
}

TEST(Win32OpenFileDialog, AQuitRequestUnderItChoosesNothing) {
    // The dialog can end under a quit request as if its name had been chosen,
    // without the check ever seeing it.
    bool asked = false;
    const auto chosen = runScripted(request("QUORLA.EXE"), {}, [&](const std::string&) { return asked = true; }, true);
    MSG quit;
    while (PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
    EXPECT_EQ(chosen, std::nullopt);
    EXPECT_FALSE(asked);
}

TEST(Win32OpenFileDialog, AnErrorInTheCheckComesOutAfterTheDialogHasClosed) {
    EXPECT_THROW(runScripted(request(""), {windowsFolder() + "\\notepad.exe"},
                             [](const std::string&) -> bool { throw std::runtime_error("check failed"); }),
                 std::runtime_error);
    HWND left = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), findDialog, reinterpret_cast<LPARAM>(&left));
    EXPECT_EQ(left, nullptr);
}

// The refusal box inside the dialog disables the dialog, and when it goes it
// enables the dialog again but not the windows the dialog itself disabled;
// when the dialog goes, the window that was active is active again.
TEST(Win32OpenFileDialog, OtherWindowsAreDisabledUnderItAndUnderABoxInsideIt) {
    HWND form = CreateWindowExA(0, "STATIC", "form", WS_POPUP | WS_CAPTION | WS_VISIBLE, 10, 10, 200, 100, nullptr,
                                nullptr, nullptr, nullptr);
    ASSERT_NE(form, nullptr);
    SetActiveWindow(form);
    const std::string wanted = windowsFolder() + "\\QUORLA.EXE";
    bool formEnabledUnderDialog = true, dialogEnabledUnderBox = true, formEnabledAfterBox = true,
         dialogEnabledAfterBox = false;
    const std::vector<std::string> names{windowsFolder() + "\\notepad.exe", wanted};
    const auto chosen = runScripted(request(""), names, [&](const std::string& path) {
        HWND dialog = nullptr;
        EnumThreadWindows(GetCurrentThreadId(), findDialog, reinterpret_cast<LPARAM>(&dialog));
        formEnabledUnderDialog = IsWindowEnabled(form) != 0;
        if (path == wanted) return true;
        {
            const ModalScope refusalBox;
            dialogEnabledUnderBox = IsWindowEnabled(dialog) != 0;
        }
        formEnabledAfterBox = IsWindowEnabled(form) != 0;
        dialogEnabledAfterBox = IsWindowEnabled(dialog) != 0;
        return false;
    });
    EXPECT_EQ(chosen, wanted);
    EXPECT_FALSE(formEnabledUnderDialog);
    EXPECT_FALSE(dialogEnabledUnderBox);
    EXPECT_FALSE(formEnabledAfterBox);
    EXPECT_TRUE(dialogEnabledAfterBox);
    EXPECT_TRUE(IsWindowEnabled(form));
    EXPECT_EQ(GetActiveWindow(), form);
    DestroyWindow(form);
}
