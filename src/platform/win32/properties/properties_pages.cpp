#include "platform/win32/properties/properties_pages.hpp"

#include <commctrl.h>

#include <utility>

#include "app/main_form.hpp"
#include "platform/win32/properties/properties_control_ids.hpp"
#include "platform/win32/properties/properties_keys.hpp"
#include "platform/win32/properties/properties_window.hpp"
#include "platform/win32/properties/tab_order.hpp"
#include "platform/win32/window/gui_font.hpp"
#include "text/texts.hpp"

namespace {

using Look = PropertiesPanel::Look;

// Design figures are 96-DPI pixels.
struct Box {
    int x, y, width, height;
};

constexpr Box kClientArea{0, 0, 406, 259};
constexpr Box kPageControl{0, 0, 406, 225};
constexpr int kThumbLength = 15;
constexpr int kWindowFontHeight = 12;
// Room of a check box's or radio button's mark and the gap before its text.
constexpr int kMarkWidth = 20;
constexpr Box kSaveFolderEdit{16, 16, 281, 20};

// The folder is shown shortened to the box's width plus its font's height
// value (negative): 281 - 12 at 96 DPI.
int shownWidth(int boxWidth, HFONT font, int dpi) {
    LOGFONTA lf{};
    GetObjectA(font, sizeof lf, &lf);
    return boxWidth + (lf.lfHeight != 0 ? lf.lfHeight : -scaleToDpi(kWindowFontHeight, dpi));
}

// Where the running system's font sets a caption wider than the designed
// face does, the control grows to the right so the caption is not cut.
void widenToCaption(HWND control, int markWidth) {
    RECT r{};
    GetWindowRect(control, &r);
    const int needed = captionExtent(control).cx + markWidth;
    if (needed <= r.right - r.left) return;
    SetWindowPos(control, nullptr, 0, 0, needed, r.bottom - r.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

RECT scaledRect(const Box& at, int dpi) {
    const auto px = [dpi](int value) { return scaleToDpi(value, dpi); };
    return RECT{px(at.x), px(at.y), px(at.x) + px(at.width), px(at.y) + px(at.height)};
}

// The display area of the page control, in its parent's coordinates (the
// page control sits at the parent's origin).
RECT pageArea(HWND pageControl) {
    RECT area{};
    GetClientRect(pageControl, &area);
    SendMessageA(pageControl, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    return area;
}

}  // namespace

struct PropertiesPages::Placement {
    HWND window;
    Box design;
    Fit fit;
    FontRole font;
};

struct PropertiesPages::Builder {
    PropertiesPages& pages;
    PropertiesControls& c;
    int dpi;
    HFONT font;

    int px(int value) const { return scaleToDpi(value, dpi); }

    // Creates a control at its designed place and remembers the place.
    HWND child(HWND parent, const char* className, const char* text, DWORD style, Box at, int id, Fit fit,
               DWORD exStyle = 0, FontRole role = FontRole::Window) const {
        const RECT r = scaledRect(at, dpi);
        HWND w = createChild(parent, className, text, style, r.left, r.top, r.right - r.left, r.bottom - r.top, id,
                             pages.fontFor(role, font), exStyle);
        remember(w, at, fit, role);
        return w;
    }

    void remember(HWND w, Box at, Fit fit, FontRole role = FontRole::Window) const {
        if (w != nullptr) pages.placements_.push_back({w, at, fit, role});
    }

    HWND panel(HWND parent, int id, Box at, Look look, const char* caption = "") {
        const RECT bounds = scaledRect(at, dpi);
        pages.panels_.push_back(
            std::make_unique<PropertiesPanel>(parent, id, bounds, look, caption, font, pages.binding_));
        HWND w = pages.panels_.back()->window();
        remember(w, at, Fit::Exact);
        return w;
    }

    HWND label(HWND parent, int id, const char* caption, Box at, FontRole role = FontRole::Window) const {
        HWND w = child(parent, "STATIC", caption, SS_LEFT | SS_NOPREFIX | WS_GROUP, at, id, Fit::Label, 0, role);
        fitLabelToCaption(w, false);
        return w;
    }

    void label(HWND parent, int id, Label& model, Box at, bool rightAligned = false) {
        HWND w = child(parent, "STATIC", model.caption().c_str(),
                       (rightAligned ? SS_RIGHT : SS_LEFT) | SS_NOPREFIX | WS_GROUP, at, id,
                       rightAligned ? Fit::RightLabel : Fit::Label);
        pages.binding_.bind(model, w, rightAligned);
    }

    void check(HWND parent, int id, CheckBox& model, const char* caption, Box at) {
        HWND w = child(parent, "BUTTON", caption, BS_CHECKBOX | WS_TABSTOP | WS_GROUP, at, id, Fit::Widen);
        widenToCaption(w, px(kMarkWidth));
        pages.binding_.bind(model, w);
    }

    // Automatic radio buttons, so that the arrow keys choose as they move.
    // The first button of a radio group starts the group (WS_GROUP); the
    // next control ends it, since every control but the other buttons of a
    // radio group starts a group of its own (labels too: the arrow keys walk
    // out of a container into whatever follows it).
    void radio(HWND parent, int id, RadioButton& model, const char* caption, Box at, bool firstOfGroup) {
        HWND w = child(parent, "BUTTON", caption, BS_AUTORADIOBUTTON | (firstOfGroup ? WS_GROUP : 0), at, id,
                       Fit::Widen);
        widenToCaption(w, px(kMarkWidth));
        pages.binding_.bind(model, w);
    }

    HWND edit(HWND parent, int id, Edit& model, Box at) {
        HWND w = child(parent, "EDIT", "", ES_LEFT | ES_AUTOHSCROLL | WS_TABSTOP | WS_GROUP, at, id, Fit::Exact,
                       WS_EX_CLIENTEDGE);
        pages.binding_.bind(model, w);
        return w;
    }

    HWND button(HWND parent, int id, Button& model, Box at) {
        HWND w = child(parent, "BUTTON", model.caption().c_str(), BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP, at, id,
                       Fit::Exact);
        pages.binding_.bind(model, w);
        return w;
    }

    void link(HWND parent, int id, const char* caption, Box at, std::function<void()> onClick) {
        pages.links_.push_back(
            std::make_unique<LinkLabel>(parent, id, caption, px(at.x), px(at.y), pages.linkFont_.get()));
        pages.links_.back()->onClick = std::move(onClick);
        remember(pages.links_.back()->window(), at, Fit::Label, FontRole::Link);
    }

    HWND pageControl(HWND root) {
        HWND tab = child(root, WC_TABCONTROLA, "", WS_TABSTOP | WS_GROUP | WS_CLIPSIBLINGS, kPageControl,
                         kIdPageControl, Fit::Exact);
        const char* names[] = {txt::kPageFileName, txt::kPageSave, txt::kPageAction, txt::kPageVersion};
        for (int i = 0; i < 4; ++i) {
            TCITEMA item{};
            item.mask = TCIF_TEXT;
            item.pszText = const_cast<char*>(names[i]);
            SendMessageA(tab, TCM_INSERTITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
        }
        return tab;
    }

    void fileNamePage(HWND page) {
        HWND group = panel(page, kIdFileNameGroup, {6, 8, 386, 185}, Look::GroupBox, txt::kFileNameGroup);
        label(group, kIdTopFileNameLabel, txt::kPrefixLabel, {16, 20, 256, 12});
        edit(group, kIdTopFileNameEdit, c.TopFileName_Edit, {280, 16, 97, 20});
        check(group, kIdYearCheck, c.Year_CheckBox, txt::kYearCheck, {16, 36, 145, 17});
        radio(group, kIdYear2Radio, c.Year2_RadioButton, txt::kYear2Radio, {32, 52, 153, 17}, true);
        radio(group, kIdYear4Radio, c.Year4_RadioButton, txt::kYear4Radio, {184, 52, 145, 17}, false);
        check(group, kIdMonthCheck, c.Month_CheckBox, txt::kMonthCheck, {16, 68, 145, 17});
        check(group, kIdDayCheck, c.Day_CheckBox, txt::kDayCheck, {16, 84, 145, 17});
        check(group, kIdNumberCheck, c.Number_CheckBox, txt::kNumberCheck, {16, 100, 153, 17});
        label(group, kIdNumberLabel, txt::kNumberLabel, {32, 117, 267, 12});
        check(group, kIdPlainCheck, c.Plain_CheckBox, txt::kPlainCheck, {16, 132, 145, 17});
        HWND divide = panel(group, kIdDividePanel, {32, 148, 249, 17}, Look::Plain);
        // Radio buttons are made in their tab order, which the arrow keys
        // follow; here it is not their order on screen: ( ) comes first
        // though it stands between _ and the blank.
        radio(divide, kIdPlainRadio2, c.Plain_RadioButton2, txt::kPlainRadio2, {76, 0, 73, 17}, true);
        radio(divide, kIdPlainRadio1, c.Plain_RadioButton1, txt::kPlainRadio1, {0, 0, 73, 17}, false);
        radio(divide, kIdPlainRadio3, c.Plain_RadioButton3, txt::kPlainRadio3, {152, 0, 89, 17}, false);
        label(group, kIdFileNameSampleLabel, c.FileNameSample_Label, {184, 166, 14, 12});
    }

    void fileSavePage(HWND page, MainForm& form) {
        HWND textType = panel(page, kIdTextTypeGroup, {6, 8, 386, 57}, Look::GroupBox, txt::kTextTypeGroup);
        // In tab order as well: text before Rich Text, which stands above it.
        radio(textType, kIdPlainTextRadio, c.Plain_RadioButton, txt::kPlainTextRadio, {16, 32, 129, 17}, true);
        radio(textType, kIdRichTextRadio, c.RichText_RadioButton, txt::kRichTextRadio, {16, 16, 361, 17}, false);

        HWND folder = panel(page, kIdSaveFolderGroup, {6, 72, 386, 49}, Look::GroupBox, txt::kSaveFolderGroup);
        HWND box = edit(folder, kIdSaveFolderEdit, c.SaveFolder_Edit, kSaveFolderEdit);
        pages.saveFolderEdit_ = box;
        button(folder, kIdSaveFolderButton, c.SaveFolder_Button, {304, 16, 75, 20});
        // Start-up shortened the folder for the width the box was to have;
        // the box as made decides.
        RECT r{};
        GetWindowRect(box, &r);
        form.saveFolder.setShownWidth(shownWidth(r.right - r.left, font, dpi));

        HWND autoSave = panel(page, kIdAutoSaveGroup, {6, 128, 386, 65}, Look::GroupBox, txt::kAutoSaveGroup);
        check(autoSave, kIdAutoSaveCheck, c.AutoSave_CheckBox, txt::kAutoSaveCheck, {16, 16, 169, 17});
        check(autoSave, kIdAutoSaveMenuCheck, c.AutoSaveMenu_CheckBox, txt::kAutoSaveMenuCheck, {200, 16, 161, 17});
        HWND track = child(autoSave, TRACKBAR_CLASSA, "",
                           WS_TABSTOP | WS_GROUP | TBS_HORZ | TBS_BOTTOM | TBS_AUTOTICKS | TBS_FIXEDLENGTH,
                           {104, 34, 241, 25}, kIdAutoSaveTrackBar, Fit::Exact);
        pages.trackBar_ = track;
        SendMessageA(track, TBM_SETTHUMBLENGTH, static_cast<WPARAM>(px(kThumbLength)), 0);
        SendMessageA(track, TBM_SETLINESIZE, 0, 1);
        SendMessageA(track, TBM_SETPAGESIZE, 0, 5);
        pages.binding_.bind(c.AutoSave_TrackBar, track);  // the range comes from the model
        SendMessageA(track, TBM_SETTICFREQ, 5, 0);
        label(autoSave, kIdSaveTimeLabel, c.SaveTime_Label, {16, 40, 84, 12});
        label(autoSave, kIdAutoSaveLabel, c.AutoSave_Label, {348, 40, 30, 12}, true);
    }

    void actionPage(HWND page) {
        HWND setting = panel(page, kIdSettingGroup, {6, 8, 386, 105}, Look::GroupBox, txt::kSettingGroup);
        check(setting, kIdCreateCheck, c.Create_CheckBox, txt::kCreateCheck, {16, 16, 265, 17});
        button(setting, kIdDeleteQuorlaPathButton, c.DeleteQuorlaPath_Button, {72, 34, 241, 25});
        check(setting, kIdDialogCheck, c.Dialog_CheckBox, txt::kDialogCheck, {16, 64, 249, 17});
        check(setting, kIdAutoSaveOnCheck, c.AutoSaveOn_CheckBox, txt::kAutoSaveOnCheck, {16, 80, 209, 17});

        HWND dblClick = panel(page, kIdDblClickGroup, {6, 120, 386, 73}, Look::GroupBox, txt::kDblClickGroup);
        radio(dblClick, kIdSaveRadio, c.Save_RadioButton, txt::kSaveRadio, {16, 16, 97, 17}, true);
        radio(dblClick, kIdMainFormRadio, c.MainForm_RadioButton, txt::kMainFormRadio, {16, 32, 129, 17}, false);
        radio(dblClick, kIdNoneRadio, c.None_RadioButton, txt::kNoneRadio, {16, 48, 113, 17}, false);
    }

    void versionPage(HWND page, MainForm& form) {
        HWND title = panel(page, kIdTitlePanel, {6, 13, 386, 180}, Look::Bevel);
        label(title, kIdTitleLabel, txt::kProductName, {88, 24, 210, 27}, FontRole::Title);
        label(title, kIdVersionLabel, txt::kVersionText, {151, 54, 84, 13}, FontRole::Version);
        label(title, kIdCopyText, txt::kCopyText, {102, 84, 182, 13}, FontRole::Notice);
        label(title, kIdMailTitleLabel, txt::kMailTitle, {71, 104, 34, 12});
        link(title, kIdMailLabel, txt::kMailAddress, {144, 104, 108, 12}, [&form] { form.Mail_LabelClick(); });
        label(title, kIdHomePageTitleLabel, txt::kHomePageTitle, {71, 120, 54, 12});
        link(title, kIdHomePageLabel, txt::kHomePageAddress, {143, 120, 172, 12},
             [&form] { form.HomePage_LabelClick(); });
        label(title, kIdFreeLabel, txt::kFreeSoftware, {82, 144, 222, 12});
    }
};

PropertiesPages::PropertiesPages(PropertiesWindow& window, MainForm& form)
    : binding_([&form](const ControlBinding::Handler& handler) { form.dispatch(handler); }),
      titleFont_(createWindowFont(27, window.dpi(), FW_BOLD)),
      versionFont_(createWindowFont(13, window.dpi(), FW_BOLD)),
      noticeFont_(createWindowFont(13, window.dpi())),
      linkFont_(createWindowFont(kWindowFontHeight, window.dpi(), FW_NORMAL, true)) {
    Builder b{*this, form.form.controls, window.dpi(), window.font()};
    PropertiesControls& c = form.form.controls;

    RECT client{};
    GetClientRect(window.window(), &client);
    HWND root = b.panel(window.window(), kIdRootPanel, kClientArea, Look::Plain);
    SetWindowPos(root, nullptr, 0, 0, client.right, client.bottom, SWP_NOZORDER | SWP_NOACTIVATE);

    // The pages lie over the page control's display area and come before it
    // in the z-order, so the page control (WS_CLIPSIBLINGS) never paints
    // over them. The Tab key therefore does not follow the z-order here:
    // PropertiesKeys leads it from the tabs into the page, then to the
    // buttons.
    pageControl_ = b.pageControl(root);
    const RECT display = pageArea(pageControl_);
    const int pageIds[] = {kIdFileNamePage, kIdFileSavePage, kIdActionPage, kIdVersionPage};
    HWND pageWindows[4] = {};
    for (int i = 0; i < 4; ++i) {
        pageWindows[i] = b.panel(root, pageIds[i], {0, 0, 0, 0}, Look::Plain);
        placements_.back().fit = Fit::PageArea;  // wherever the page control's font puts it
        SetWindowPos(pageWindows[i], i == 0 ? HWND_TOP : pageWindows[i - 1], display.left, display.top,
                     display.right - display.left, display.bottom - display.top, SWP_NOACTIVATE);
        TCITEMA item{};
        item.mask = TCIF_PARAM;
        item.lParam = reinterpret_cast<LPARAM>(pageWindows[i]);
        SendMessageA(pageControl_, TCM_SETITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    }
    SetWindowPos(pageControl_, pageWindows[3], 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

    b.fileNamePage(pageWindows[0]);
    b.fileSavePage(pageWindows[1], form);
    b.actionPage(pageWindows[2]);
    b.versionPage(pageWindows[3], form);

    HWND ok = b.button(root, kIdOkButton, c.OK_Button, {51, 230, 97, 25});
    HWND cancel = b.button(root, kIdCancelButton, c.Cancel_Button, {155, 230, 97, 25});
    HWND save = b.button(root, kIdSaveButton, c.Save_Button, {259, 230, 97, 25});

    for (const auto& panel : panels_) panel->frameBehindControls();

    HWND tab = pageControl_;
    binding_.onNotify(tab, [tab](UINT code) {
        if (code == static_cast<UINT>(TCN_SELCHANGE))
            selectPropertiesPage(tab, static_cast<int>(SendMessageA(tab, TCM_GETCURSEL, 0, 0)));
    });
    selectPropertiesPage(tab, 0);
    keys_ = std::make_unique<PropertiesKeys>(window.window(), tab, std::vector<HWND>{ok, cancel, save});
}

PropertiesPages::~PropertiesPages() {
    keys_.reset();
    binding_.detach();
    // Destroying the outermost container takes every control with it; the
    // objects of the containers and links then find their windows gone.
    if (!panels_.empty() && panels_.front()->window() != nullptr) destroyOwnWindow(panels_.front()->window());
}

HFONT PropertiesPages::fontFor(FontRole role, HFONT windowFont) const {
    switch (role) {
        case FontRole::Title: return titleFont_.get();
        case FontRole::Version: return versionFont_.get();
        case FontRole::Notice: return noticeFont_.get();
        case FontRole::Link: return linkFont_.get();
        case FontRole::Window: break;
    }
    return windowFont;
}

void PropertiesPages::place(const Placement& p, int dpi, HFONT windowFont) const {
    const RECT r = p.fit == Fit::PageArea ? pageArea(pageControl_) : scaledRect(p.design, dpi);
    SetWindowPos(p.window, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
    SendMessageA(p.window, WM_SETFONT, reinterpret_cast<WPARAM>(fontFor(p.font, windowFont)), FALSE);
    switch (p.fit) {
        case Fit::Widen: widenToCaption(p.window, scaleToDpi(kMarkWidth, dpi)); break;
        case Fit::Label:
        case Fit::RightLabel: fitLabelToCaption(p.window, p.fit == Fit::RightLabel); break;
        default: break;
    }
}

void PropertiesPages::applyDpi(const PropertiesWindow& window) {
    const int dpi = window.dpi();
    // The old fonts stay until every control has the new ones.
    UniqueFont oldFonts[] = {std::exchange(titleFont_, createWindowFont(27, dpi, FW_BOLD)),
                             std::exchange(versionFont_, createWindowFont(13, dpi, FW_BOLD)),
                             std::exchange(noticeFont_, createWindowFont(13, dpi)),
                             std::exchange(linkFont_, createWindowFont(kWindowFontHeight, dpi, FW_NORMAL, true))};
    for (const Placement& p : placements_) place(p, dpi, window.font());
    SendMessageA(trackBar_, TBM_SETTHUMBLENGTH, static_cast<WPARAM>(scaleToDpi(kThumbLength, dpi)), 0);
    RedrawWindow(window.window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

bool PropertiesPages::saveFolderFocused() const { return saveFolderEdit_ != nullptr && GetFocus() == saveFolderEdit_; }

std::unique_ptr<PropertiesPages> buildPropertiesPages(PropertiesWindow& window, MainForm& form) {
    return std::make_unique<PropertiesPages>(window, form);
}

int saveFolderShownWidth(HFONT font, int dpi) {
    return shownWidth(scaleToDpi(kSaveFolderEdit.width, dpi), font, dpi);
}
