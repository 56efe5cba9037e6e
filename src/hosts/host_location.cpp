#include "hosts/host_location.hpp"

#include "form/form_context.hpp"
#include "hosts/chat_client_ini.hpp"
#include "hosts/host_programs.hpp"
#include "hosts/launch_values.hpp"
#include "hosts/open_dialog.hpp"
#include "ports/win_constants.hpp"
#include "settings/setting_keys.hpp"
#include "settings/settings_file.hpp"
#include "text/texts.hpp"

bool HostLocation::companionInstalled() {
    return form_.platform.files.fileExists(form_.platform.system.windowsDirectory() + hosts::kCompanionMarker);
}

std::optional<std::string> HostLocation::askForExecutable(OpenDialogMode mode) {
    const bool companion = mode == OpenDialogMode::Companion;
    form_.platform.messageBox.show(companion ? txt::kQuorlaInstalledNoPath : txt::kSpecifyOrvexExe,
                                   txt::kCaptionWarning, win::kMbOk | win::kMbIconExclamation);
    // Closed from the tray while the warning was up: no dialog any more.
    if (form_.closing) return std::nullopt;
    dialog_.setMode(mode);
    return dialog_.execute([this](const std::string& path) { return OpenDialogCanClose(path); });
}

void HostLocation::Create_CheckBoxClick() {
    PropertiesControls& c = form_.controls;
    if (!c.Create_CheckBox.checked()) {
        form_.SaveEnabled_CheckBoxClick();
        return;
    }
    const bool changedBefore = c.Save_Button.enabled();

    // The delete button's state is the sign that a companion path is stored.
    if (companionInstalled() && !c.DeleteQuorlaPath_Button.enabled()) {
        if (const auto chosen = askForExecutable(OpenDialogMode::Companion)) {
            form_.settings.writeText(keys::kSettingGroup, keys::kQuorlaPath, *chosen);
            c.DeleteQuorlaPath_Button.setEnabled(true);
            form_.SaveEnabled_CheckBoxClick();
            return;
        }
    } else {
        // Checked even when a companion path is stored.
        ChatClientIni chatClient(form_.platform.profile, form_.platform.system);
        if (chatClient.hasProductHDRoot()) {
            form_.SaveEnabled_CheckBoxClick();
            return;
        }
        if (const auto chosen = askForExecutable(OpenDialogMode::ChatClient)) {
            // Folder part without its trailing "\", except a drive root:
            // D:\Chat\ORVEX.EXE gives D:\Chat, D:\ORVEX.EXE gives D:\.
            chatClient.writeProductHDRoot(programFolderOf(*chosen));
            form_.SaveEnabled_CheckBoxClick();
            return;
        }
    }
    // Cancelled: the box goes back off. That change runs this handler again,
    // which marks the window changed, so the state before the click is put
    // back afterwards.
    c.Create_CheckBox.setChecked(false);
    c.Save_Button.setEnabled(changedBefore);
}

void HostLocation::DeleteQuorlaPath_ButtonClick() {
    PropertiesControls& c = form_.controls;
    form_.settings.writeText(keys::kSettingGroup, keys::kQuorlaPath, "");
    c.DeleteQuorlaPath_Button.setEnabled(false);
    c.Create_CheckBox.setChecked(false);
}

bool HostLocation::OpenDialogCanClose(const std::string& path) {
    // The title decides, byte for byte: any other title expects the chat
    // client.
    const bool companion = dialog_.setup.title == txt::kQuorlaDialogTitle;
    if (hosts::namesExecutable(path, companion ? hosts::kCompanionExeName : hosts::kChatClientExeName)) return true;
    form_.platform.messageBox.show(companion ? txt::kOnlyQuorlaExe : txt::kOnlyOrvexExe, txt::kCaptionError,
                                   win::kMbOk | win::kMbIconError);
    return false;
}
