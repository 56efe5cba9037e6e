#include "properties/properties_commit.hpp"

#include "errors/app_error.hpp"
#include "form/form_context.hpp"
#include "ports/win_constants.hpp"
#include "properties/settings_transfer.hpp"
#include "settings/folder_paths.hpp"
#include "text/texts.hpp"

std::string PropertiesCommit::saveFolderPlace() const {
    // An empty box names no folder, unless empty is what is stored: then it
    // stands for the program folder, as it does for the save.
    if (form_.SaveFolderPath.empty() && !form_.storedSaveFolderText().empty()) return {};
    return form_.folderPlace(form_.SaveFolderPath);
}

bool PropertiesCommit::saveFolderReady() {
    FileSystemPort& files = form_.platform.files;
    const std::string place = saveFolderPlace();
    if (FolderExists(files, place)) return true;
    MessageBoxPort& boxes = form_.platform.messageBox;
    if (boxes.show(txt::kAskCreateFolder, txt::kCaptionWarning, win::kMbYesNo | win::kMbIconExclamation) !=
        win::kIdYes)
        return false;
    try {
        // Given as typed: a relative folder is created in the program folder,
        // but only where the chain reaches it (Logs\New when Logs is there,
        // never Logs alone).
        CreateFolderChain(files, form_.SaveFolderPath, form_.programFolder());
        // The chain passes over what it takes for a drive or a root (Q:\ of
        // a missing drive, two bytes, a doubled final "\") without creating
        // anything: only a folder that is there now may be stored.
        if (FolderExists(files, place)) return true;
    } catch (const AppError&) {
        // Our own message replaces the routine's.
    }
    // The commit goes on with the stored folder.
    boxes.show(txt::kFolderNotCreated, txt::kCaptionError, win::kMbOk | win::kMbIconError);
    return false;
}

void PropertiesCommit::Save_ButtonClick() {
    // The folder is stored as typed or stored: a relative one is checked and
    // created in the program folder but stays relative.
    if (!saveFolderReady()) {
        // A typed folder that does not exist is dropped; the rest of the
        // settings are still committed.
        form_.SaveFolderPath = form_.storedSaveFolderText();
        transfer_.showSaveFolderShortened();
    }
    transfer_.WriteSettings();
    form_.controls.Save_Button.setEnabled(false);
}

void PropertiesCommit::OK_ButtonClick() {
    Save_ButtonClick();
    form_.platform.propertiesView.hide();
}

void PropertiesCommit::Cancel_ButtonClick() {
    form_.platform.propertiesView.hide();
    transfer_.LoadSettings();
    form_.controls.Save_Button.setEnabled(false);
}
