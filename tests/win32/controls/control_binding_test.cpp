// The properties window's real controls bound to the control model, on real
// Win32 controls: a user's action reaches the model through the dispatch
// function, the model's changes reach the control, and the program's own
// changes do not come back as a user's. Also the link label, the tab-order
// search behind FormShow, the page switch, and our windows created while a
// message from another thread is handled.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <stdexcept>
#include <string>

#include "platform/win32/controls/control_binding.hpp"
#include "platform/win32/controls/link_label.hpp"
#include "platform/win32/controls/value_label.hpp"
#include "platform/win32/handles/unique_handle.hpp"
#include "platform/win32/properties/properties_panel.hpp"
#include "platform/win32/properties/tab_order.hpp"
#include "platform/win32/window/cursor_table.hpp"
#include "platform/win32/window/window_base.hpp"
#include "text/texts.hpp"

namespace {

// A top-level window (hidden: focus and messages work the same, and Wine
// takes seconds to tear down a shown one) holding one container of the
// properties window's kind, whose notifications go to the binding. Every dispatch is
// counted; an AppError-like exception is caught there, as MainForm does.
class Host {
public:
    Host()
        : top_(CreateWindowExA(0, "STATIC", "binding test", WS_POPUP, 0, 0, 320, 240, nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr)),
          binding([this](const ControlBinding::Handler& handler) {
              ++dispatched;
              try {
                  handler();
              } catch (const std::runtime_error&) {
                  ++caught;
              }
          }),
          panel_(top_.get(), 10, RECT{0, 0, 320, 240}, PropertiesPanel::Look::Plain, "", nullptr, binding) {
        INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_BAR_CLASSES | ICC_TAB_CLASSES};
        InitCommonControlsEx(&controls);
    }

    HWND add(const char* className, DWORD style, int id, const char* text = "caption") {
        return createChild(panel_.window(), className, text, style, 10, 10 + 25 * id, 150, 20, id, nullptr);
    }
    HWND panel() const { return panel_.window(); }

    int dispatched = 0;
    int caught = 0;

private:
    UniqueHwnd top_;

public:
    ControlBinding binding;

private:
    PropertiesPanel panel_;
};

std::string textOf(HWND w) {
    char text[256] = {};
    GetWindowTextA(w, text, sizeof text);
    return text;
}

bool checkedOnScreen(HWND w) { return SendMessageA(w, BM_GETCHECK, 0, 0) == BST_CHECKED; }
bool tabStop(HWND w) { return (GetWindowLongA(w, GWL_STYLE) & WS_TABSTOP) != 0; }
bool shown(HWND w) { return (GetWindowLongA(w, GWL_STYLE) & WS_VISIBLE) != 0; }

RECT placeInParent(HWND w) {
    RECT r{};
    GetWindowRect(w, &r);
    MapWindowPoints(nullptr, GetParent(w), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

std::wstring wide(const char* cp932) {
    wchar_t buffer[64] = {};
    MultiByteToWideChar(932, 0, cp932, -1, buffer, 64);
    return buffer;
}

}  // namespace

TEST(ControlBinding, CheckBoxFollowsTheUserAndTheProgram) {
    CheckBox model("Box", false);
    int clicks = 0;
    model.onClick = [&] { ++clicks; };
    Host host;
    HWND box = host.add("BUTTON", BS_CHECKBOX | WS_TABSTOP, 1);
    host.binding.bind(model, box);

    SendMessageA(box, BM_CLICK, 0, 0);
    EXPECT_TRUE(model.checked());
    EXPECT_TRUE(checkedOnScreen(box));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(host.dispatched, 1);

    model.setChecked(false);  // the program's change: shown, reacted to once
    EXPECT_FALSE(checkedOnScreen(box));
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(host.dispatched, 1);

    model.setEnabled(false);
    EXPECT_FALSE(IsWindowEnabled(box));
    model.setVisible(false);
    EXPECT_FALSE(shown(box));
}

TEST(ControlBinding, RadioButtonsCheckOneOfTheirGroupAndOnlyItIsATabStop) {
    RadioGroup group;
    RadioButton first("First", group, true);
    RadioButton second("Second", group, false);
    Host host;
    HWND a = host.add("BUTTON", BS_AUTORADIOBUTTON | WS_GROUP, 1);
    HWND b = host.add("BUTTON", BS_AUTORADIOBUTTON, 2);
    host.add("BUTTON", BS_CHECKBOX | WS_GROUP, 3);
    host.binding.bind(first, a);
    host.binding.bind(second, b);
    EXPECT_TRUE(tabStop(a));
    EXPECT_FALSE(tabStop(b));

    SendMessageA(b, BM_CLICK, 0, 0);
    EXPECT_TRUE(second.checked());
    EXPECT_FALSE(first.checked());
    EXPECT_TRUE(checkedOnScreen(b));
    EXPECT_FALSE(checkedOnScreen(a));
    EXPECT_FALSE(tabStop(a));
    EXPECT_TRUE(tabStop(b));

    // An arrow key, as the message loop hands it to the dialog manager: the
    // focus moves to the other button, which becomes the choice.
    SetFocus(b);
    MSG up{b, WM_KEYDOWN, VK_UP, 1, 0, {0, 0}};
    EXPECT_TRUE(IsDialogMessageA(GetParent(host.panel()), &up));
    EXPECT_EQ(GetFocus(), a);
    EXPECT_TRUE(first.checked());
    EXPECT_FALSE(second.checked());
    EXPECT_FALSE(checkedOnScreen(b));
}

TEST(ControlBinding, EditTextGoesBothWaysWithoutEchoAndReportsTheFocus) {
    Edit model("Box", "");
    int changes = 0, enters = 0, exits = 0;
    model.onChange = [&] { ++changes; };
    model.onEnter = [&] { ++enters; };
    model.onExit = [&] { ++exits; };
    Host host;
    HWND edit = host.add("EDIT", ES_AUTOHSCROLL | WS_TABSTOP, 1, "");
    HWND other = host.add("BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 2);
    host.binding.bind(model, edit);

    SetWindowTextA(edit, "typed");  // EN_CHANGE, as typing raises it
    EXPECT_EQ(model.text(), "typed");
    EXPECT_EQ(changes, 1);

    model.setText("program");
    EXPECT_EQ(textOf(edit), "program");
    EXPECT_EQ(changes, 2);  // the control's EN_CHANGE for it was not a second change

    SetFocus(edit);
    EXPECT_EQ(enters, 1);
    SetFocus(other);
    EXPECT_EQ(exits, 1);
}

TEST(ControlBinding, EditLimitCountsBytesOfTypingButNotTheProgramsText) {
    Edit model("Prefix", "", 4);
    Host host;
    HWND edit = host.add("EDIT", ES_AUTOHSCROLL | WS_TABSTOP, 1, "");
    host.binding.bind(model, edit);
    SetFocus(edit);

    // Two double-byte characters fill four bytes; a third is refused.
    for (wchar_t ch : wide(txt::kPageAction)) SendMessageW(edit, WM_CHAR, ch, 1);
    EXPECT_EQ(model.text(), txt::kPageAction);
    SendMessageW(edit, WM_CHAR, wide(txt::kPageSave)[0], 1);
    EXPECT_EQ(model.text(), txt::kPageAction);
    EXPECT_EQ(textOf(edit), txt::kPageAction);
    // Deleting still works.
    SendMessageW(edit, WM_CHAR, VK_BACK, 1);
    EXPECT_EQ(model.text().size(), 2u);

    model.setText("123456");
    EXPECT_EQ(textOf(edit), "123456");
}

TEST(ControlBinding, TrackBarFollowsItsKeysAndTheProgram) {
    TrackBar model("Minutes", 10, 120, 10);
    int changes = 0;
    model.onChange = [&] { ++changes; };
    Host host;
    HWND track = host.add(TRACKBAR_CLASSA, TBS_HORZ | WS_TABSTOP, 1, "");
    host.binding.bind(model, track);
    EXPECT_EQ(SendMessageA(track, TBM_GETRANGEMIN, 0, 0), 10);
    EXPECT_EQ(SendMessageA(track, TBM_GETRANGEMAX, 0, 0), 120);

    SendMessageA(track, WM_KEYDOWN, VK_END, 0);  // the track bar reports WM_HSCROLL
    EXPECT_EQ(model.position(), 120);
    EXPECT_EQ(changes, 1);

    model.setPosition(60);
    EXPECT_EQ(SendMessageA(track, TBM_GETPOS, 0, 0), 60);
    EXPECT_EQ(changes, 2);
}

TEST(ControlBinding, ButtonClicksRunThroughTheDispatchWhichCatchesErrors) {
    Button model("Update", "Update");
    int clicks = 0;
    model.onClick = [&] {
        ++clicks;
        throw std::runtime_error("cannot write");
    };
    Host host;
    HWND button = host.add("BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 1);
    host.binding.bind(model, button);

    SendMessageA(button, BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(host.caught, 1);

    model.setEnabled(false);
    EXPECT_FALSE(IsWindowEnabled(button));
    SendMessageA(button, BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, 1);
}

TEST(ControlBinding, RightAlignedLabelKeepsItsRightEdgeAsItsCaptionGrows) {
    Label model("Minutes", "60");
    Host host;
    HWND label = host.add("STATIC", SS_RIGHT, 1, "60");
    host.binding.bind(model, label, true);
    const RECT before = placeInParent(label);

    model.setCaption("120 minutes and more");
    EXPECT_EQ(textOf(label), "120 minutes and more");
    const RECT after = placeInParent(label);
    EXPECT_EQ(after.right, before.right);
    EXPECT_GT(after.right - after.left, before.right - before.left);
}

TEST(ControlBinding, DetachedBindingLeavesTheModelAlone) {
    CheckBox model("Box", false);
    Host host;
    HWND box = host.add("BUTTON", BS_CHECKBOX, 1);
    host.binding.bind(model, box);
    host.binding.detach();
    SendMessageA(box, BM_CLICK, 0, 0);
    EXPECT_FALSE(model.checked());
    EXPECT_EQ(host.dispatched, 0);
}

TEST(LinkLabel, HandCursorFromTheTableAndAClickIsPressAndReleaseOnIt) {
    Host host;
    LinkLabel link(host.panel(), 5, "mail@example.org", 10, 10, nullptr);
    int clicks = 0;
    link.onClick = [&] { ++clicks; };
    RECT r{};
    GetClientRect(link.window(), &r);
    EXPECT_GT(r.right, 0);

    const HCURSOR before = cursorSlot(1);
    const HCURSOR cross = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_CROSS));
    setCursorSlot(1, cross);
    SendMessageA(link.window(), WM_SETCURSOR, reinterpret_cast<WPARAM>(link.window()),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), cross);
    setCursorSlot(1, nullptr);  // no hand cursor: the arrow
    SendMessageA(link.window(), WM_SETCURSOR, reinterpret_cast<WPARAM>(link.window()),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW)));
    setCursorSlot(1, before);

    SendMessageA(link.window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageA(link.window(), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    EXPECT_EQ(clicks, 1);
    // Released elsewhere, or released without a press: no click.
    SendMessageA(link.window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageA(link.window(), WM_LBUTTONUP, 0, MAKELPARAM(r.right + 40, 2));
    SendMessageA(link.window(), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    EXPECT_EQ(clicks, 1);
}

TEST(TabOrderSearch, FindsTheNextFocusableTabStopInsideContainers) {
    Host host;
    ControlBinding& b = host.binding;
    PropertiesPanel marker(host.panel(), 20, RECT{0, 0, 100, 50}, PropertiesPanel::Look::Plain, "", nullptr, b);
    createChild(marker.window(), "STATIC", "label", 0, 0, 0, 50, 12, 21, nullptr);
    HWND disabledEdit = createChild(marker.window(), "EDIT", "", WS_TABSTOP | WS_DISABLED, 0, 20, 50, 20, 22, nullptr);
    PropertiesPanel hidden(host.panel(), 30, RECT{0, 60, 100, 110}, PropertiesPanel::Look::Plain, "", nullptr, b);
    createChild(hidden.window(), "EDIT", "", WS_TABSTOP, 0, 0, 50, 20, 31, nullptr);
    ShowWindow(hidden.window(), SW_HIDE);
    PropertiesPanel last(host.panel(), 40, RECT{0, 120, 100, 170}, PropertiesPanel::Look::Plain, "", nullptr, b);
    createChild(last.window(), "BUTTON", "no stop", BS_PUSHBUTTON, 0, 0, 50, 20, 41, nullptr);
    HWND target = createChild(last.window(), "BUTTON", "stop", BS_PUSHBUTTON | WS_TABSTOP, 0, 25, 50, 20, 42, nullptr);

    HWND top = GetParent(host.panel());
    EXPECT_EQ(firstTabStopAfter(top, marker.window()), target);
    EXPECT_EQ(findControl(top, 42), target);
    EXPECT_EQ(findControl(top, 22), disabledEdit);
    // The top window itself may still be hidden (FormShow runs before it
    // appears).
    ShowWindow(top, SW_HIDE);
    EXPECT_EQ(firstTabStopAfter(top, marker.window()), target);
    EnableWindow(last.window(), FALSE);
    EXPECT_EQ(firstTabStopAfter(top, marker.window()), nullptr);
}

TEST(PageSwitch, ShowsOnlyTheSelectedPage) {
    Host host;
    HWND tab = createChild(host.panel(), WC_TABCONTROLA, "", 0, 0, 0, 300, 200, 50, nullptr);
    HWND pages[3] = {};
    for (int i = 0; i < 3; ++i) {
        pages[i] = createChild(host.panel(), "STATIC", "page", 0, 10, 30, 100, 100, 60 + i, nullptr);
        TCITEMA item{};
        item.mask = TCIF_TEXT | TCIF_PARAM;
        char name[] = "page";
        item.pszText = name;
        item.lParam = reinterpret_cast<LPARAM>(pages[i]);
        SendMessageA(tab, TCM_INSERTITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    }
    selectPropertiesPage(tab, 2);
    EXPECT_EQ(SendMessageA(tab, TCM_GETCURSEL, 0, 0), 2);
    EXPECT_FALSE(shown(pages[0]));
    EXPECT_FALSE(shown(pages[1]));
    EXPECT_TRUE(shown(pages[2]));
    selectPropertiesPage(tab, 0);
    EXPECT_TRUE(shown(pages[0]));
    EXPECT_FALSE(shown(pages[2]));
}

namespace {
// WM_APP creates one of our windows, as the tray's callback shows the
// properties window; another thread sends it, as the shell does.
std::unique_ptr<ValueLabel> g_created;
LRESULT CALLBACK createOnApp(HWND w, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_APP) g_created = std::make_unique<ValueLabel>(w, 0, 0, 50, 12, nullptr);
    return DefWindowProcA(w, message, wParam, lParam);
}
DWORD WINAPI sendApp(void* target) { return static_cast<DWORD>(SendMessageA(static_cast<HWND>(target), WM_APP, 0, 0)); }
}  // namespace

TEST(WindowBase, WindowsCreatedWhileHandlingAMessageSentFromAnotherThreadAreWhole) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = createOnApp;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "OrvexLogSentTest";
    RegisterClassA(&wc);
    UniqueHwnd target(
        CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP, 0, 0, 9, 9, nullptr, nullptr, wc.hInstance, nullptr));
    const UniqueKernelHandle sender(CreateThread(nullptr, 0, sendApp, target.get(), 0, nullptr));
    // This thread handles the sent message while it looks for messages.
    for (const DWORD start = GetTickCount(); !g_created && GetTickCount() - start < 10000;) {
        MSG msg;
        PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_SENDMESSAGE);
    }
    WaitForSingleObject(sender.get(), 10000);
    ASSERT_TRUE(g_created);
    EXPECT_NE(g_created->window(), nullptr);
    g_created.reset();
}
