#pragma once
// The properties window's logic (TMainForm) as one object: the shared state
// and the handler groups, wired to the controls' events.
#include <functional>

#include "app/form_context.hpp"
#include "capture/dialog_form.hpp"
#include "capture/file_naming.hpp"
#include "capture/save_command.hpp"
#include "settings/properties_reactions.hpp"
#include "settings/settings_transfer.hpp"

class MainForm {
public:
    MainForm(const Platform& platform, NoticeWindowPort& noticeWindow);
    MainForm(const MainForm&) = delete;
    MainForm& operator=(const MainForm&) = delete;

    FormContext form;
    FileNaming naming{form};
    SettingsTransfer transfer{form};
    PropertiesReactions reactions{form};
    DialogForm dialog;
    SaveCommand save{form, naming, dialog};

    // Every event enters here: an AppError that its handler does not catch
    // ends the handler and is shown by the general error display; the program
    // goes on.
    void dispatch(const std::function<void()>& handler);

    // Event entry points.
    void Save_MenuItemClick() {
        dispatch([this] { save.Save_MenuItemClick(); });
    }
    void NoticeOKClick() {
        dispatch([this] { dialog.OKClick(); });
    }

private:
    void wireControls();
};
