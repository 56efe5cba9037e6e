#pragma once
// notice/: the saved-log notice. Uses controls/, window/, handles/, the ports, capture/, text/.
//
// The saved-log notice (TDialogForm) as a real window: caption, fixed single
// border without system menu, client 252 x 119 at 96 DPI, two fixed texts,
// two value labels and OK, scaled to the DPI of the monitor it shows on. The window is made the first time it is needed
// (the notice's FormCreate places it after start-up has added the tray icon),
// so that nothing delays the icon; its font and controls at the first show:
// its button would load the common controls DLL, which most runs never need
// until then.
#include <functional>
#include <memory>

#include "ports/notice_window_port.hpp"
#include "platform/win32/handles/unique_handle.hpp"
#include "platform/win32/window/window_base.hpp"

class DialogForm;
class ValueLabel;

class Win32NoticeWindow : public NoticeWindowPort, private WindowBase {
public:
    Win32NoticeWindow(HWND applicationWindow, int dpi);
    ~Win32NoticeWindow() override;

    // Binds the labels of the notice's logic and its handlers.
    void attach(DialogForm& form, std::function<void()> onShow, std::function<void()> onOk);

    bool showModal() override;
    void close() override;
    int left() override;
    int top() override;
    void setPosition(int left, int top) override;
    int outerWidth() override;
    int outerHeight() override;
    int clientWidth() override;

    HWND window() const { return hwnd(); }
    // The window, made on the first call; null if that failed.
    HWND ensureWindow();
    // The window with its font and controls, made on the first call; false
    // if the window could not be made.
    bool ensureControls();
    std::function<void()> onShownOrHidden;  // the notice appeared or went

private:
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override;
    int px(int value96) const;
    // A new DPI: font, client size (within WM_DPICHANGED's suggested
    // rectangle, where there is one) and controls; the old font goes.
    void applyDpi(int dpi, const RECT* suggested);
    void placeControls();

    HWND application_;
    int dpi_;
    UniqueFont font_;
    std::unique_ptr<ValueLabel> windowTitleLabel_;
    std::unique_ptr<ValueLabel> fileNameLabel_;
    HWND ok_ = nullptr, copyLabel_ = nullptr, fileNameText_ = nullptr;
    DialogForm* form_ = nullptr;
    std::function<void()> onShow_, onOk_;
    bool open_ = false;
    bool controlsMade_ = false;
};
