#include "platform/win32/controls/control_binding.hpp"

#include <commctrl.h>

#include <string>
#include <utility>

#include "platform/win32/handles/gdi_scopes.hpp"

namespace {

std::string windowText(HWND window) {
    const int length = GetWindowTextLengthA(window);
    if (length <= 0) return {};
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const int copied = GetWindowTextA(window, text.data(), length + 1);
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return text;
}

void setStyleBit(HWND window, LONG bit, bool on) {
    const LONG style = GetWindowLongA(window, GWL_STYLE);
    const LONG wanted = on ? (style | bit) : (style & ~bit);
    if (wanted != style) SetWindowLongA(window, GWL_STYLE, wanted);
}

// Enabled and visible, the states every control shares.
void showCommon(const Control& model, HWND control) {
    if ((IsWindowEnabled(control) != 0) != model.enabled()) EnableWindow(control, model.enabled() ? TRUE : FALSE);
    const bool shown = (GetWindowLongA(control, GWL_STYLE) & WS_VISIBLE) != 0;
    if (shown != model.visible()) ShowWindow(control, model.visible() ? SW_SHOWNA : SW_HIDE);
}

void showCheck(HWND control, bool checked) {
    const WPARAM wanted = checked ? BST_CHECKED : BST_UNCHECKED;
    if (static_cast<WPARAM>(SendMessageA(control, BM_GETCHECK, 0, 0)) != wanted)
        SendMessageA(control, BM_SETCHECK, wanted, 0);
}

bool isRadioButton(HWND w) {
    char cls[16] = {};
    GetClassNameA(w, cls, sizeof cls);
    const LONG type = GetWindowLongA(w, GWL_STYLE) & BS_TYPEMASK;
    return lstrcmpiA(cls, "Button") == 0 && (type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON);
}

// Within a radio group only the checked button is a tab stop, so the Tab key
// lands on the current choice (the first button when none is checked); the
// arrow keys move inside the group.
void showRadioTabStops(HWND anyMember) {
    HWND parent = GetParent(anyMember);
    HWND first = nullptr;
    bool anyChecked = false;
    for (HWND w = GetWindow(parent, GW_CHILD); w != nullptr; w = GetWindow(w, GW_HWNDNEXT)) {
        if (!isRadioButton(w)) continue;
        if (first == nullptr) first = w;
        anyChecked = anyChecked || SendMessageA(w, BM_GETCHECK, 0, 0) == BST_CHECKED;
    }
    for (HWND w = GetWindow(parent, GW_CHILD); w != nullptr; w = GetWindow(w, GW_HWNDNEXT)) {
        if (!isRadioButton(w)) continue;
        const bool stop = anyChecked ? SendMessageA(w, BM_GETCHECK, 0, 0) == BST_CHECKED : w == first;
        setStyleBit(w, WS_TABSTOP, stop);
    }
}

}  // namespace

SIZE captionExtent(HWND control) {
    const std::string caption = windowText(control);
    RECT text{0, 0, 0, 0};
    const ScopedGetDc dc(control);
    if (dc.get() == nullptr) return SIZE{0, 0};
    const ScopedSelectObject font(dc.get(), reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0)));
    // An empty caption still has the height of a line.
    DrawTextA(dc.get(), caption.empty() ? " " : caption.c_str(), -1, &text, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    return SIZE{caption.empty() ? 0 : text.right - text.left, text.bottom - text.top};
}

void fitLabelToCaption(HWND label, bool rightAligned) {
    const SIZE text = captionExtent(label);
    RECT now{};
    GetWindowRect(label, &now);
    MapWindowPoints(nullptr, GetParent(label), reinterpret_cast<POINT*>(&now), 2);
    const int width = text.cx;
    const int height = text.cy;
    const int left = rightAligned ? now.right - width : now.left;
    if (left == now.left && width == now.right - now.left && height == now.bottom - now.top) return;
    // The label may have painted its new caption into its old size already
    // (a longer caption cut at the left of a right-aligned label): nothing
    // of that picture is kept.
    SetWindowPos(label, nullptr, left, now.top, width, height, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
    InvalidateRect(label, nullptr, TRUE);
    InvalidateRect(GetParent(label), &now, TRUE);
}

ControlBinding::ControlBinding(Dispatch dispatch) : dispatch_(std::move(dispatch)) {}

ControlBinding::~ControlBinding() {
    attached_ = false;
    for (Control* model : bound_) model->onView = nullptr;
}

void ControlBinding::bind(CheckBox& model, HWND control) {
    track(model);
    model.onView = [&model, control] {
        showCheck(control, model.checked());
        showCommon(model, control);
    };
    model.onView();
    routes_[control].command = [this, &model](WORD code) {
        if (code == BN_CLICKED) run([&model] { model.setChecked(!model.checked()); });
    };
}

void ControlBinding::bind(RadioButton& model, HWND control) {
    track(model);
    model.onView = [&model, control] {
        showCheck(control, model.checked());
        showRadioTabStops(control);
        showCommon(model, control);
    };
    model.onView();
    // Clicked, or reached by the arrow keys (the dialog keys click an
    // automatic radio button that they move to); the button has checked
    // itself by then. A button that only gained the focus (Tab into a group
    // with nothing chosen) reports a click on some systems without being
    // checked: that chooses nothing.
    routes_[control].command = [this, &model, control](WORD code) {
        if (code == BN_CLICKED && SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED)
            run([&model] { model.setChecked(true); });
    };
}

void ControlBinding::bind(Edit& model, HWND control) {
    track(model);
    // Limits what the user types; the program's own texts are not cut.
    SendMessageA(control, EM_LIMITTEXT, model.maxLength(), 0);
    model.onView = [this, &model, control] {
        if (windowText(control) != model.text()) {
            const HWND outer = std::exchange(echoing_, control);
            SetWindowTextA(control, model.text().c_str());
            echoing_ = outer;
        }
        showCommon(model, control);
    };
    model.onView();
    routes_[control].command = [this, &model, control](WORD code) {
        switch (code) {
            case EN_CHANGE: {
                if (control == echoing_) break;
                std::string text = windowText(control);
                if (exceedsLimit(model, text)) {
                    refuseTyping(model, control);
                    break;
                }
                run([&model, text = std::move(text)] { model.setText(text); });
                break;
            }
            case EN_SETFOCUS:
                run([&model] {
                    if (model.onEnter) model.onEnter();
                });
                break;
            case EN_KILLFOCUS:
                run([&model] {
                    if (model.onExit) model.onExit();
                });
                break;
            default:
                break;
        }
    };
}

// The box's limit is in bytes of the ANSI text, but some systems' edit
// controls (Wine's) count characters, which lets a double-byte text grow to
// twice the limit. A typed insertion that ends beyond the limit in bytes is
// refused as the control itself would refuse it; deletions always pass, and
// so does the program's own longer text.
bool ControlBinding::exceedsLimit(const Edit& model, const std::string& typed) {
    return model.maxLength() != 0 && typed.size() > model.maxLength() && typed.size() > model.text().size();
}

void ControlBinding::refuseTyping(const Edit& model, HWND control) {
    // The text after the caret is what the insertion left alone; the caret
    // goes back to just before it. Positions are the control's own units.
    DWORD caret = 0;
    SendMessageA(control, EM_GETSEL, 0, reinterpret_cast<LPARAM>(&caret));
    const int typedUnits = GetWindowTextLengthW(control);
    const HWND outer = std::exchange(echoing_, control);
    SetWindowTextA(control, model.text().c_str());
    echoing_ = outer;
    const int keptUnits = GetWindowTextLengthW(control);
    const int after = typedUnits - static_cast<int>(caret);
    const int back = keptUnits - after > 0 ? keptUnits - after : 0;
    SendMessageA(control, EM_SETSEL, static_cast<WPARAM>(back), back);
}

void ControlBinding::bind(TrackBar& model, HWND control) {
    track(model);
    SendMessageA(control, TBM_SETRANGEMIN, FALSE, model.minimum());
    SendMessageA(control, TBM_SETRANGEMAX, TRUE, model.maximum());
    model.onView = [&model, control] {
        if (static_cast<int>(SendMessageA(control, TBM_GETPOS, 0, 0)) != model.position())
            SendMessageA(control, TBM_SETPOS, TRUE, model.position());
        showCommon(model, control);
    };
    model.onView();
    routes_[control].scroll = [this, &model, control] {
        const int position = static_cast<int>(SendMessageA(control, TBM_GETPOS, 0, 0));
        run([&model, position] { model.setPosition(position); });
    };
}

void ControlBinding::bind(Button& model, HWND control) {
    track(model);
    model.onView = [&model, control] { showCommon(model, control); };
    model.onView();
    routes_[control].command = [this, &model](WORD code) {
        if (code == BN_CLICKED) run([&model] { model.click(); });
    };
}

void ControlBinding::bind(Label& model, HWND control, bool rightAligned) {
    track(model);
    model.onView = [&model, control, rightAligned] {
        if (windowText(control) != model.caption()) {
            SetWindowTextA(control, model.caption().c_str());
            fitLabelToCaption(control, rightAligned);
        }
        showCommon(model, control);
    };
    model.onView();
    fitLabelToCaption(control, rightAligned);
}

void ControlBinding::onNotify(HWND control, std::function<void(UINT code)> handler) {
    routes_[control].notify = std::move(handler);
}

bool ControlBinding::routeCommand(HWND control, WORD code) {
    if (!attached_) return false;
    const auto found = routes_.find(control);
    if (found == routes_.end() || !found->second.command) return false;
    found->second.command(code);
    return true;
}

bool ControlBinding::routeScroll(HWND control) {
    if (!attached_) return false;
    const auto found = routes_.find(control);
    if (found == routes_.end() || !found->second.scroll) return false;
    found->second.scroll();
    return true;
}

bool ControlBinding::routeNotify(HWND control, UINT code) {
    if (!attached_) return false;
    const auto found = routes_.find(control);
    if (found == routes_.end() || !found->second.notify) return false;
    found->second.notify(code);
    return true;
}
