// The folder browser on the real shell: it opens on the folder it is given
// and returns the folder chosen with OK, or nothing when cancelled.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include <optional>
#include <string>

#include "platform/win32/system/win32_folder_browser.hpp"
#include "text/texts.hpp"
#include "win32/system/test_folders.hpp"

namespace {

class ComApartment {
public:
    ComApartment() : ok_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ComApartment() {
        if (ok_) CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool ok_;
};

// What the user does once the browser is up: wait until the tree shows the
// expected folder selected (the shell may fill it in stages), then press
// this button. Cancel does not wait for a selection.
int g_button = IDOK;
std::string g_waitForSelected;
bool g_pressed = false;
std::string g_seenTitle;

BOOL CALLBACK findBrowser(HWND w, LPARAM param) {
    char cls[32] = {};
    GetClassNameA(w, cls, sizeof cls);
    if (std::string(cls) != "#32770" || !IsWindowVisible(w)) return TRUE;
    *reinterpret_cast<HWND*>(param) = w;
    return FALSE;
}

BOOL CALLBACK readTitle(HWND w, LPARAM) {
    char text[256] = {};
    GetWindowTextA(w, text, sizeof text);
    if (std::string(text) == txt::kBrowseFolderTitle) g_seenTitle = text;
    return TRUE;
}

std::string selectedFolderName(HWND browser) {
    HWND tree = FindWindowExA(browser, nullptr, WC_TREEVIEWA, nullptr);
    if (tree == nullptr) return {};
    const auto item = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
    if (item == nullptr) return {};
    char text[MAX_PATH] = {};
    TVITEMA data{};
    data.mask = TVIF_TEXT;
    data.hItem = item;
    data.pszText = text;
    data.cchTextMax = sizeof text;
    SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&data));
    return text;
}

void CALLBACK pressWhenUp(HWND, UINT, UINT_PTR, DWORD) {
    HWND browser = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), findBrowser, reinterpret_cast<LPARAM>(&browser));
    if (browser == nullptr || g_pressed) return;
    if (!g_waitForSelected.empty() && lstrcmpiA(selectedFolderName(browser).c_str(), g_waitForSelected.c_str()) != 0)
        return;
    EnumChildWindows(browser, readTitle, 0);
    g_pressed = true;
    PostMessageA(GetDlgItem(browser, g_button), BM_CLICK, 0, 0);
}

void CALLBACK giveUp(HWND, UINT, UINT_PTR, DWORD) {
    g_waitForSelected.clear();
    g_button = IDCANCEL;
}

// Runs the browser; a deadline timer cancels it if the expected selection
// never shows.
std::optional<std::string> browse(const std::string& initialFolder, int button, const std::string& selectedName) {
    g_button = button;
    g_waitForSelected = selectedName;
    g_pressed = false;
    g_seenTitle.clear();
    const UINT_PTR poll = SetTimer(nullptr, 0, 100, pressWhenUp);
    const UINT_PTR deadline = SetTimer(nullptr, 0, 30000, giveUp);
    Win32FolderBrowser browser(nullptr);
    std::optional<std::string> chosen = browser.run(initialFolder);
    KillTimer(nullptr, poll);
    KillTimer(nullptr, deadline);
    return chosen;
}

}  // namespace

TEST(Win32FolderBrowser, OpensOnTheGivenFolderAndReturnsTheChoice) {
    const ComApartment com;
    const std::string folder = windowsFolder() + "\\system32";
    EXPECT_EQ(browse(folder, IDOK, "system32"), folder);
    EXPECT_EQ(g_seenTitle, txt::kBrowseFolderTitle);
}

TEST(Win32FolderBrowser, CancelGivesNothing) {
    const ComApartment com;
    EXPECT_EQ(browse(windowsFolder(), IDCANCEL, ""), std::nullopt);
}
