// The properties window and the notice, built as the program builds them,
// follow a new DPI of their monitor: WM_DPICHANGED with the rectangle the
// system suggests, to 120, 144 and 192 DPI and back to 96. (Every control of
// the running program against its designed place, after the same message:
// tests/wine/properties_layout_test.sh.)
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <tuple>
#include <vector>

#include "main/win32_desktop.hpp"
#include "platform/win32/properties/properties_control_ids.hpp"
#include "platform/win32/properties/tab_order.hpp"
#include "platform/win32/system/win32_program_entry.hpp"
#include "platform/win32/system/win32_text_measure.hpp"
#include "settings/folder_paths.hpp"
#include "text/texts.hpp"

namespace {

int scaled(int value, int dpi) { return MulDiv(value, dpi, 96); }

RECT inParent(HWND w) {
    RECT r{};
    GetWindowRect(w, &r);
    MapWindowPoints(nullptr, GetParent(w), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

HFONT fontOf(HWND w) { return reinterpret_cast<HFONT>(SendMessageA(w, WM_GETFONT, 0, 0)); }

LONG fontHeight(HWND w) {
    LOGFONTA font{};
    GetObjectA(fontOf(w), sizeof font, &font);
    return font.lfHeight;
}

// As the system does it: a new place, and the frame around the client area
// scaled to the new DPI.
RECT sendDpiChanged(HWND window, int dpi, int clientWidth, int clientHeight) {
    RECT outer{}, client{};
    GetWindowRect(window, &outer);
    GetClientRect(window, &client);
    const RECT suggested{outer.left + 40, outer.top + 30,
                         outer.left + 40 + outer.right - outer.left - client.right + scaled(clientWidth, dpi),
                         outer.top + 30 + outer.bottom - outer.top - client.bottom + scaled(clientHeight, dpi)};
    SendMessageA(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    return suggested;
}

// Exact: the designed rectangle; Bare: the same, without a font of its own;
// Wider: may grow to the right for its caption; LeftTop: sized to its caption.
enum Kind { Exact, Bare, Wider, LeftTop };
struct Designed {
    const char* name;
    int x, y, width, height;  // 96-DPI pixels in the parent; width 0: the client width
    Kind kind;
};

}  // namespace

TEST(DpiChange, PropertiesWindowAndNoticeFollowTheirMonitor) {
    Win32ProgramEntry entry;
    entry.initializeApplication(txt::kAppTitle);
    Win32Desktop desktop(entry);
    MainForm& main = desktop.mainForm();
    desktop.ensurePages();
    const HWND form = desktop.propertiesWindow().window();
    const HWND notice = desktop.noticeWindow();
    ASSERT_NE(notice, nullptr);
    std::vector<HWND> noticeControls;
    for (HWND w = GetWindow(notice, GW_CHILD); w != nullptr; w = GetWindow(w, GW_HWNDNEXT)) noticeControls.push_back(w);
    ASSERT_EQ(noticeControls.size(), 5u);

    // A folder too long for the box, shown shortened; nothing to update.
    main.form.SaveFolderPath = "C:\\OrvexLog logs of every chat\\second level folder\\third level folder\\Logs";
    main.transfer.showSaveFolderShortened();
    main.form.controls.Save_Button.setEnabled(false);
    const HWND folderBox = findControl(form, kIdSaveFolderEdit);

    const struct {
        HWND window;
        Designed at;
    } table[] = {
        {findControl(form, kIdPageControl), {"PageControl", 0, 0, 406, 225, Exact}},
        {findControl(form, kIdSaveButton), {"Save_Button", 259, 230, 97, 25, Exact}},
        {findControl(form, kIdDeleteQuorlaPathButton), {"DeleteQuorlaPath_Button", 72, 34, 241, 25, Exact}},
        {folderBox, {"SaveFolder_Edit", 16, 16, 281, 20, Exact}},
        {findControl(form, kIdAutoSaveTrackBar), {"AutoSave_TrackBar", 104, 34, 241, 25, Bare}},
        {findControl(form, kIdYearCheck), {"Year_CheckBox", 16, 36, 145, 17, Wider}},
        {findControl(form, kIdMailLabel), {"Mail_Label", 144, 104, 108, 12, LeftTop}},
        {noticeControls[0], {"OK", 82, 88, 89, 25, Exact}},
        {noticeControls[1], {"Copy_Label", 31, 16, 190, 12, Exact}},
        {noticeControls[2], {"WindowTitleDialog_Label", -4, 32, 0, 12, Exact}},
        {noticeControls[3], {"FileName_Label", 40, 48, 172, 12, Exact}},
        {noticeControls[4], {"FileNameDialog_Label", -4, 64, 0, 12, Exact}},
    };

    for (const int dpi : {120, 144, 192, 96}) {
        SCOPED_TRACE(dpi);
        const HFONT oldFonts[] = {fontOf(folderBox), fontOf(findControl(form, kIdTitleLabel)),
                                  fontOf(findControl(form, kIdMailLabel)), fontOf(noticeControls[0])};
        for (const auto& [window, width, height] : {std::tuple{form, 406, 259}, std::tuple{notice, 252, 119}}) {
            const RECT suggested = sendDpiChanged(window, dpi, width, height);
            RECT outer{}, client{};
            GetWindowRect(window, &outer);
            GetClientRect(window, &client);
            EXPECT_EQ(outer.left, suggested.left);
            EXPECT_EQ(outer.top, suggested.top);
            EXPECT_EQ(client.right, scaled(width, dpi));
            EXPECT_EQ(client.bottom, scaled(height, dpi));
        }
        for (const HFONT old : oldFonts) EXPECT_EQ(GetObjectType(old), 0u) << "an old font is still there";

        for (const auto& [window, at] : table) {
            SCOPED_TRACE(at.name);
            RECT client{};
            GetClientRect(GetParent(window), &client);
            const RECT r = inParent(window);
            const int width = at.width != 0 ? scaled(at.width, dpi) : client.right;
            EXPECT_NEAR(r.left, scaled(at.x, dpi), 1);
            EXPECT_NEAR(r.top, scaled(at.y, dpi), 1);
            if (at.kind != LeftTop) {
                EXPECT_NEAR(r.bottom - r.top, scaled(at.height, dpi), 1);
                EXPECT_GE(r.right - r.left, width - 1);
            }
            if (at.kind == Exact || at.kind == Bare) {
                EXPECT_LE(r.right - r.left, width + 1);
            }
            if (at.kind != Bare) {
                EXPECT_EQ(fontHeight(window), -scaled(12, dpi));
            }
        }
        EXPECT_EQ(SendMessageA(findControl(form, kIdAutoSaveTrackBar), TBM_GETTHUMBLENGTH, 0, 0), scaled(15, dpi));

        // The folder shortened again for the box's width plus its font's
        // height value at the new DPI; that is no change of a setting.
        Win32TextMeasure measure(fontOf(folderBox));
        EXPECT_EQ(main.form.controls.SaveFolder_Edit.text(),
                  ShortenPathForWidth(main.form.SaveFolderPath, measure, scaled(281, dpi) - scaled(12, dpi)));
        EXPECT_FALSE(main.form.controls.Save_Button.enabled());
    }

    // While the box has the focus it keeps the folder being typed, in full;
    // leaving it takes that folder and shortens it for the new width.
    const std::string typed = "D:\\a folder being typed in the box at this very moment\\Logs";
    SetFocus(folderBox);
    SetWindowTextA(folderBox, typed.c_str());
    sendDpiChanged(form, 144, 406, 259);
    EXPECT_EQ(main.form.controls.SaveFolder_Edit.text(), typed);
    SetFocus(findControl(form, kIdSaveFolderButton));
    EXPECT_EQ(main.form.SaveFolderPath, typed);
}

// The notice's window is placed at start-up but gets its controls at its
// first show (its button would load the common controls). Moved to another
// DPI before that, it makes them at the DPI it has then.
namespace {
BOOL CALLBACK findNotice(HWND w, LPARAM found) {
    char name[32] = {};
    GetClassNameA(w, name, sizeof name);
    if (std::string(name) != "TDialogForm") return TRUE;
    *reinterpret_cast<HWND*>(found) = w;
    return FALSE;
}
}  // namespace

TEST(DpiChange, NoticeMovedBeforeItsFirstShowMakesItsControlsAtTheNewDpi) {
    Win32ProgramEntry entry;
    entry.initializeApplication(txt::kAppTitle);
    Win32Desktop desktop(entry);
    desktop.mainForm().DialogFormCreate();
    HWND notice = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), findNotice, reinterpret_cast<LPARAM>(&notice));
    ASSERT_NE(notice, nullptr) << "start-up placed no notice window";
    EXPECT_EQ(GetWindow(notice, GW_CHILD), nullptr) << "the notice's controls were made before its first show";

    const RECT suggested = sendDpiChanged(notice, 144, 252, 119);
    ASSERT_EQ(desktop.noticeWindow(), notice);
    RECT outer{}, client{};
    GetWindowRect(notice, &outer);
    GetClientRect(notice, &client);
    EXPECT_EQ(outer.left, suggested.left);
    EXPECT_EQ(client.right, scaled(252, 144));
    const HWND ok = GetDlgItem(notice, IDOK);
    ASSERT_NE(ok, nullptr);
    const RECT r = inParent(ok);
    EXPECT_NEAR(r.left, scaled(82, 144), 1);
    EXPECT_NEAR(r.top, scaled(88, 144), 1);
    EXPECT_NEAR(r.right - r.left, scaled(89, 144), 1);
    EXPECT_EQ(fontHeight(ok), -scaled(12, 144));
}
