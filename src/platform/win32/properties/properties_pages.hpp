#pragma once
// The real controls of the properties window: the page control with its four
// pages, every control of the pages at its designed place (96-DPI figures
// scaled to the window's DPI), OK, キャンセル and 設定の更新 at the bottom, all
// bound to MainForm's control model. Built once, when the window is first
// shown; binding gives each control the model's state at that moment. Every
// control keeps its designed place, so a new DPI places it again.
#include <windows.h>

#include <memory>
#include <vector>

#include "platform/win32/controls/control_binding.hpp"
#include "platform/win32/controls/link_label.hpp"
#include "platform/win32/handles/unique_handle.hpp"
#include "platform/win32/properties/properties_panel.hpp"

class MainForm;
class PropertiesKeys;
class PropertiesWindow;

class PropertiesPages {
public:
    // Must not outlive `form` (it unbinds form's controls when it goes).
    PropertiesPages(PropertiesWindow& window, MainForm& form);
    ~PropertiesPages();
    PropertiesPages(const PropertiesPages&) = delete;
    PropertiesPages& operator=(const PropertiesPages&) = delete;

    HWND pageControl() const { return pageControl_; }

    // The window has taken a new DPI and font: every control gets its
    // designed place scaled to it and the new fonts; the old fonts go.
    void applyDpi(const PropertiesWindow& window);
    // True while the save-folder box has the focus (it shows the full path).
    bool saveFolderFocused() const;

    enum class Fit : unsigned char {
        Exact,       // the designed rectangle
        Widen,       // check box or radio button: wider where the caption needs it
        Label,       // sized to its caption from the designed left and top
        RightLabel,  // sized to its caption, keeping the designed right edge
        PageArea,    // a page: the page control's display area
    };
    enum class FontRole : unsigned char { Window, Title, Version, Notice, Link };
    struct Placement;

private:
    struct Builder;
    friend struct Builder;

    HFONT fontFor(FontRole role, HFONT windowFont) const;
    void place(const Placement& placement, int dpi, HFONT windowFont) const;

    ControlBinding binding_;
    UniqueFont titleFont_;    // 27 px bold
    UniqueFont versionFont_;  // 13 px bold
    UniqueFont noticeFont_;   // 13 px
    UniqueFont linkFont_;     // window font, underlined
    std::vector<std::unique_ptr<PropertiesPanel>> panels_;  // panels_[0] holds everything
    std::vector<std::unique_ptr<LinkLabel>> links_;
    HWND pageControl_ = nullptr;
    HWND trackBar_ = nullptr;
    HWND saveFolderEdit_ = nullptr;
    std::vector<Placement> placements_;  // in creation order: containers before their controls
    std::unique_ptr<PropertiesKeys> keys_;
};

[[nodiscard]] std::unique_ptr<PropertiesPages> buildPropertiesPages(PropertiesWindow& window, MainForm& form);

// The width SaveFolder_Edit will show the save folder in, shortened, at this
// DPI with the window's font: known before the box is made.
int saveFolderShownWidth(HFONT font, int dpi);
