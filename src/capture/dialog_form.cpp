#include "capture/dialog_form.hpp"

#include "form/form_context.hpp"
#include "settings/setting_keys.hpp"

void DialogForm::FormCreate() {
    SystemPort& system = form_.platform.system;
    // Each half is taken on its own before the subtraction.
    const int top = form_.settings.readInt(keys::kFormPosition, keys::kDialogTop,
                                           system.screenHeight() / 2 - window_.outerHeight() / 2);
    const int left = form_.settings.readInt(keys::kFormPosition, keys::kDialogLeft,
                                            system.screenWidth() / 2 - window_.outerWidth() / 2);
    window_.setPosition(left, top);
}

void DialogForm::FormShow() {
    RadioButton& save = form_.controls.Save_RadioButton;
    DblClickSaveSuspended = save.checked();
    if (DblClickSaveSuspended) save.setChecked(false);
}

void DialogForm::OKClick() {
    window_.close();
    if (DblClickSaveSuspended) {
        DblClickSaveSuspended = false;
        form_.controls.Save_RadioButton.setChecked(true);
    }
    form_.settings.writeInt(keys::kFormPosition, keys::kDialogTop, window_.top());
    form_.settings.writeInt(keys::kFormPosition, keys::kDialogLeft, window_.left());
}
