#include "settings/properties_commit.hpp"

#include "app/app_error.hpp"
#include "app/form_context.hpp"
#include "platform/win_constants.hpp"
#include "settings/folder_paths.hpp"
#include "settings/settings_transfer.hpp"
#include "text/texts.hpp"

bool PropertiesCommit::saveFolderReady() {
    FileSystemPort& files = form_.platform.files;
    if (FolderExists(files, form_.SaveFolderPath)) return true;
    MessageBoxPort& boxes = form_.platform.messageBox;
    if (boxes.show(txt::kAskCreateFolder, txt::kCaptionWarning, win::kMbYesNo | win::kMbIconExclamation) !=
        win::kIdYes)
        return false;
    try {
        CreateFolderChain(files, form_.SaveFolderPath);
        // The chain passes over what it takes for a drive or a root (Q:\ of
        // a missing drive, two bytes, a doubled final "\") without creating
        // anything: only a folder that is there now may be stored.
        if (FolderExists(files, form_.SaveFolderPath)) return true;
    } catch (const AppError&) {
        // Our own message replaces the routine's.
    }
    // The commit goes on with the stored folder.
    boxes.show(txt::kFolderNotCreated, txt::kCaptionError, win::kMbOk | win::kMbIconError);
    return false;
}

void PropertiesCommit::Save_ButtonClick() {
    // A typed relative folder is taken in the program folder, as a stored one
    // is, and shown and stored as that place. An empty one stays empty and is
    // refused below.
    if (!form_.SaveFolderPath.empty()) {
        form_.SaveFolderPath = FolderFromProgramFolder(form_.SaveFolderPath, form_.programFolder());
        transfer_.showSaveFolderShortened();
    }
    if (!saveFolderReady()) {
        // A typed folder that does not exist is dropped; the rest of the
        // settings are still committed.
        form_.SaveFolderPath = form_.storedSaveFolder();
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
