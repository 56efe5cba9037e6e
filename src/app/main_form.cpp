#include "app/main_form.hpp"

#include "app/form_create.hpp"
#include "errors/app_error.hpp"
#include "errors/general_error.hpp"

MainForm::MainForm(const Platform& platform, NoticeWindowPort& noticeWindow)
    : form(platform), dialog(form, noticeWindow) {
    wireControls();
}

void MainForm::dispatch(const std::function<void()>& handler) {
    if (form.closing) return;
    form.gate.runOrDefer([this, handler] { dispatchNow(handler); });
}

void MainForm::dispatchNow(const std::function<void()>& handler) {
    // A program that is closing handles nothing more: the closing step runs
    // under whatever box, menu or dialog is open, and their loops may still
    // deliver a message before the process ends.
    if (form.closing) return;
    try {
        handler();
    } catch (const AppError& error) {
        showGeneralError(form.platform.messageBox, error.what());
    }
}

void MainForm::FormCreate() {
    form.starting = true;
    dispatchNow([this] { runFormCreate({form, trayIcon, transfer, naming, reactions, hostLaunch}); });
}

void MainForm::TrayIconMessage(std::uintptr_t wParam, std::intptr_t lParam) {
    // Where and when the press was made, read first, as it arrives; another
    // icon's message, or another program's, is not ours.
    TrayEvent event;
    if (!form.platform.tray.decode(wParam, lParam, event)) return;
    trayIcon.arrived(event);
    // While a step of a save fills the holder or writes, a menu opened now
    // would hold the step: the click is answered after it, where and when it
    // was made.
    dispatch([this, event] { trayIcon.TrayIconMessage(event); });
}

void MainForm::TimerTick(TimerId id) {
    dispatchNow([this, id] {
        // An auto-save tick during a save is dropped: that save takes the log.
        if (id == TimerId::AutoSave && !form.gate.saving()) menus.requestSave();
        else if (id == TimerId::Close) form.gate.closeAfterSave([this] { closing.CloseTimerTimer(); });
        else if (id == TimerId::IconRetry) trayIcon.IconRetry_TimerTimer();
    });
}

void MainForm::wireControls() {
    PropertiesControls& c = form.controls;
    c.TopFileName_Edit.onChange = [this] { naming.TopFileName_EditChange(); };
    c.Year_CheckBox.onClick = [this] { naming.Year_CheckBoxClick(); };
    c.Plain_CheckBox.onClick = [this] { naming.Plain_CheckBoxClick(); };
    for (RadioButton* r : {&c.Year2_RadioButton, &c.Year4_RadioButton, &c.Plain_RadioButton1, &c.Plain_RadioButton2,
                           &c.Plain_RadioButton3, &c.Plain_RadioButton, &c.RichText_RadioButton})
        r->onClick = [this] { naming.CheckBoxClick(); };
    for (CheckBox* b : {&c.Month_CheckBox, &c.Day_CheckBox, &c.Number_CheckBox})
        b->onClick = [this] { naming.CheckBoxClick(); };

    c.SaveFolder_Edit.onChange = [this] { form.SaveEnabled_CheckBoxClick(); };
    for (CheckBox* b : {&c.AutoSaveMenu_CheckBox, &c.Dialog_CheckBox, &c.AutoSaveOn_CheckBox})
        b->onClick = [this] { form.SaveEnabled_CheckBoxClick(); };
    for (RadioButton* r : {&c.Save_RadioButton, &c.MainForm_RadioButton, &c.None_RadioButton})
        r->onClick = [this] { form.SaveEnabled_CheckBoxClick(); };
    c.AutoSave_CheckBox.onClick = [this] { reactions.AutoSave_CheckBoxClick(); };
    c.AutoSave_TrackBar.onChange = [this] { reactions.AutoSave_TrackBarChange(); };

    c.SaveFolder_Edit.onEnter = [this] { saveFolder.SaveFolder_EditEnter(); };
    c.SaveFolder_Edit.onExit = [this] { saveFolder.SaveFolder_EditExit(); };
    c.SaveFolder_Button.onClick = [this] { saveFolder.SaveFolder_ButtonClick(); };
    c.Save_Button.onClick = [this] { commit.Save_ButtonClick(); };
    c.OK_Button.onClick = [this] { commit.OK_ButtonClick(); };
    c.Cancel_Button.onClick = [this] { commit.Cancel_ButtonClick(); };

    c.Create_CheckBox.onClick = [this] { hostLocation.Create_CheckBoxClick(); };
    c.DeleteQuorlaPath_Button.onClick = [this] { hostLocation.DeleteQuorlaPath_ButtonClick(); };
}
