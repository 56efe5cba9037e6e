#pragma once
// properties/: the properties window's handlers: show, react, commit, transfer. Uses form/ and below.
//
// The properties window's three buttons: commit (設定の更新), commit and hide
// (OK), and throw the changes away (キャンセル).
#include <string>

struct FormContext;
class SettingsTransfer;

class PropertiesCommit {
public:
    PropertiesCommit(FormContext& form, SettingsTransfer& transfer) : form_(form), transfer_(transfer) {}

    // Makes sure the save folder exists (asking to create it, falling back to
    // the stored folder otherwise), writes every setting, disables
    // Save_Button. A failed settings write throws AppError and leaves
    // Save_Button as it was.
    void Save_ButtonClick();
    // Save_ButtonClick, then hides the window; a failed write keeps it shown.
    void OK_ButtonClick();
    // Hides the window first, then reloads every control from the settings
    // file (whose reactions may ask questions while hidden), then disables
    // Save_Button.
    void Cancel_ButtonClick();

private:
    // The folder SaveFolderPath names, in the program folder when relative;
    // empty when it names none.
    std::string saveFolderPlace() const;
    // True when SaveFolderPath names a folder, now or after the user agreed
    // to create it.
    bool saveFolderReady();

    FormContext& form_;
    SettingsTransfer& transfer_;
};
