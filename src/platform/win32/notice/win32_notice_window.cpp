#include "platform/win32/notice/win32_notice_window.hpp"

#include "capture/dialog_form.hpp"
#include "platform/win32/controls/value_label.hpp"
#include "platform/win32/window/gui_font.hpp"
#include "platform/win32/window/modal_loop.hpp"
#include "platform/win32/window/monitor_dpi.hpp"
#include "platform/win32/window/window_placement.hpp"
#include "text/texts.hpp"

namespace {
constexpr const char* kClassName = "TDialogForm";
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION;  // fixed single border, no border icons
constexpr int kClientWidth = 252, kClientHeight = 119;

void bindLabel(Label& label, ValueLabel& control) {
    control.setText(label.caption());
    label.onView = [&label, &control] { control.setText(label.caption()); };
}
}  // namespace

Win32NoticeWindow::Win32NoticeWindow(HWND applicationWindow, int dpi)
    : application_(applicationWindow), dpi_(dpi) {}

Win32NoticeWindow::~Win32NoticeWindow() {
    if (hwnd() != nullptr) destroyOwnWindow(hwnd());
}

int Win32NoticeWindow::px(int value96) const { return scaleToDpi(value96, dpi_); }

void Win32NoticeWindow::attach(DialogForm& form, std::function<void()> onShow, std::function<void()> onOk) {
    form_ = &form;
    onShow_ = std::move(onShow);
    onOk_ = std::move(onOk);
}

HWND Win32NoticeWindow::ensureWindow() {
    if (hwnd() != nullptr || form_ == nullptr) return hwnd();
    registerClass(kClassName, nullptr);
    RECT frame{0, 0, px(kClientWidth), px(kClientHeight)};
    AdjustWindowRectEx(&frame, kStyle, FALSE, 0);
    // The designed place is always replaced by FormCreate.
    createWindow(0, kClassName, txt::kNoticeCaption, kStyle, px(290), px(227), frame.right - frame.left,
                 frame.bottom - frame.top, application_);
    return hwnd();
}

bool Win32NoticeWindow::ensureControls() {
    if (controlsMade_) return true;
    if (ensureWindow() == nullptr) return false;
    controlsMade_ = true;
    if (!font_) font_ = createWindowFont(12, dpi_);
    HFONT font = font_.get();
    DialogForm& form = *form_;
    // Made in tab order, OK first; placeControls gives each its place.
    ok_ = createChild(hwnd(), "BUTTON", txt::kOk, WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 0, 0, 0, IDOK, font);
    copyLabel_ = createChild(hwnd(), "STATIC", form.Copy_Label.caption().c_str(), SS_LEFT | SS_NOPREFIX, 0, 0, 0, 0,
                             -1, font);
    windowTitleLabel_ = std::make_unique<ValueLabel>(hwnd(), 0, 0, 0, 0, font);
    fileNameText_ = createChild(hwnd(), "STATIC", form.FileName_Label.caption().c_str(), SS_LEFT | SS_NOPREFIX, 0, 0,
                                0, 0, -1, font);
    fileNameLabel_ = std::make_unique<ValueLabel>(hwnd(), 0, 0, 0, 0, font);
    placeControls();
    bindLabel(form.WindowTitleDialog_Label, *windowTitleLabel_);
    bindLabel(form.FileNameDialog_Label, *fileNameLabel_);
    return true;
}

void Win32NoticeWindow::placeControls() {
    if (!controlsMade_) return;
    // Designed places in 96-DPI pixels; the value labels span the client
    // width (width 0 here) and their left edge stays at -4.
    const struct {
        HWND window;
        int x, y, width, height;
    } places[] = {
        {ok_, 82, 88, 89, 25},
        {copyLabel_, 31, 16, 190, 12},
        {windowTitleLabel_->window(), -4, 32, 0, 12},
        {fileNameText_, 40, 48, 172, 12},
        {fileNameLabel_->window(), -4, 64, 0, 12},
    };
    const int client = clientWidth();
    for (const auto& p : places) {
        SetWindowPos(p.window, nullptr, px(p.x), px(p.y), p.width != 0 ? px(p.width) : client, px(p.height),
                     SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageA(p.window, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
    }
}

void Win32NoticeWindow::applyDpi(int dpi, const RECT* suggested) {
    if (hwnd() == nullptr) return;
    const UniqueFont old = remakeWindowFont(font_, dpi_, dpi);
    sizeWindowForClient(hwnd(), px(kClientWidth), px(kClientHeight), dpi_, suggested);
    placeControls();
}

bool Win32NoticeWindow::showModal() {
    if (open_ || !ensureControls()) return false;
    if (onShow_) onShow_();
    open_ = true;
    {
        // Taken before the notice shows, so the window active now is the
        // one given the activation back.
        const ModalScope modal(hwnd());
        // A box or dialog already open disabled the hidden notice with the
        // rest; shown over it, the notice is what must be answered now. The
        // box stays disabled under it, and gets the notice back disabled.
        const bool wasEnabled = IsWindowEnabled(hwnd()) != 0;
        EnableWindow(hwnd(), TRUE);
        bringOntoNearestMonitor(hwnd());
        // At the DPI of the monitor it opens on, before it is seen.
        if (windowDpi(hwnd()) != dpi_) applyDpi(windowDpi(hwnd()), nullptr);
        ShowWindow(hwnd(), SW_SHOW);
        SetForegroundWindow(hwnd());
        SetFocus(GetDlgItem(hwnd(), IDOK));
        runModalLoop([this] { return open_; });
        open_ = false;
        ShowWindow(hwnd(), SW_HIDE);
        if (!wasEnabled) EnableWindow(hwnd(), FALSE);
    }
    return true;
}

void Win32NoticeWindow::close() {
    open_ = false;
    if (hwnd() != nullptr) ShowWindow(hwnd(), SW_HIDE);
}

int Win32NoticeWindow::left() {
    RECT r{};
    ensureWindow();
    GetWindowRect(hwnd(), &r);
    return r.left;
}

int Win32NoticeWindow::top() {
    RECT r{};
    ensureWindow();
    GetWindowRect(hwnd(), &r);
    return r.top;
}

void Win32NoticeWindow::setPosition(int l, int t) {
    ensureWindow();
    SetWindowPos(hwnd(), nullptr, l, t, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int Win32NoticeWindow::outerWidth() {
    RECT r{};
    ensureWindow();
    GetWindowRect(hwnd(), &r);
    return r.right - r.left;
}

int Win32NoticeWindow::outerHeight() {
    RECT r{};
    ensureWindow();
    GetWindowRect(hwnd(), &r);
    return r.bottom - r.top;
}

int Win32NoticeWindow::clientWidth() {
    RECT r{};
    ensureWindow();
    GetClientRect(hwnd(), &r);
    return r.right - r.left;
}

LRESULT Win32NoticeWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK && onOk_) onOk_();
            return 0;
        case WM_WINDOWPOSCHANGED:
            if ((reinterpret_cast<const WINDOWPOS*>(lParam)->flags & (SWP_SHOWWINDOW | SWP_HIDEWINDOW)) != 0 &&
                onShownOrHidden)
                onShownOrHidden();
            return defaultHandling(message, wParam, lParam);
        case WM_DPICHANGED:
            applyDpi(LOWORD(wParam), suggestedRect(lParam));
            return 0;
        case WM_CLOSE:  // no close box; Alt+F4 does nothing either
            return 0;
        case WM_CTLCOLORSTATIC:
            SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
        default:
            return defaultHandling(message, wParam, lParam);
    }
}
