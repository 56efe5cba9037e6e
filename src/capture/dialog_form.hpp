#pragma once
// The saved-log notice (TDialogForm): names the window the log was taken from
// and the file written, and remembers where the user last left it.
#include "form/controls.hpp"
#include "ports/notice_window_port.hpp"
#include "text/texts.hpp"

struct FormContext;

class DialogForm {
public:
    DialogForm(FormContext& form, NoticeWindowPort& window) : form_(form), window_(window) {}

    Label Copy_Label{"Copy_Label", txt::kNoticeCopy};
    Label WindowTitleDialog_Label{"WindowTitleDialog_Label", ""};
    Label FileName_Label{"FileName_Label", txt::kNoticeFileName};
    Label FileNameDialog_Label{"FileNameDialog_Label", ""};

    // True while the notice has unchecked the double-click choice "save" and
    // OK must check it again.
    bool DblClickSaveSuspended = false;

    void FormCreate();
    void FormShow();
    void OKClick();
    // Shows the notice modally; false when it is already on screen.
    bool showModal() { return window_.showModal(); }

private:
    FormContext& form_;
    NoticeWindowPort& window_;
};
