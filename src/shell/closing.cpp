#include "shell/closing.hpp"

#include "capture/save_command.hpp"
#include "errors/app_error.hpp"
#include "form/form_context.hpp"
#include "settings/setting_keys.hpp"
#include "shell/tray_icon.hpp"

void Closing::FormClose() {
    // A second close request while the first is still storing (it may be
    // showing an error) changes nothing.
    if (form_.closing) return;
    form_.closing = true;
    save_.abandon();
    // No tick may start new work in a program that is ending.
    form_.AutoSave_Timer.setEnabled(false);
    form_.CloseTimer.setEnabled(false);

    FormWindowPort& window = form_.platform.formWindow;
    try {
        if (form_.placed) {
            form_.settings.writeInt(keys::kFormPosition, keys::kMainTop, window.top());
            form_.settings.writeInt(keys::kFormPosition, keys::kMainLeft, window.left());
        }
    } catch (const AppError&) {
        // The position is lost, but the program still ends: keeping it alive
        // would leave a tray that can never be closed while the settings
        // folder cannot be written. The error is still reported.
        icon_.remove();
        throw;
    }
    icon_.remove();
}

void Closing::CloseTimerTimer() { form_.platform.formWindow.close(); }
