#pragma once
// The save-folder box and its browse button. The box shows SaveFolderPath in
// full while it has the focus and shortened otherwise; swapping between the
// two forms is not an edit and never marks the window changed.
#include <string>

struct FormContext;
class SettingsTransfer;

class SaveFolderBox {
public:
    SaveFolderBox(FormContext& form, SettingsTransfer& transfer) : form_(form), transfer_(transfer) {}

    // Focus gained: the full path.
    void SaveFolder_EditEnter();
    // Focus lost: the typed text becomes SaveFolderPath as it is (checked
    // only at commit), shown shortened.
    void SaveFolder_EditExit();
    // The folder browser, opened on the stored folder; a chosen folder becomes
    // SaveFolderPath; another folder than before marks the window changed,
    // even when its shortened form looks the same. Nothing is written.
    void SaveFolder_ButtonClick();
    // The box's real width for the shortened folder, once the window knows
    // it: the folder is shortened again to it, which is no edit. Only while
    // the box has not the focus.
    void setShownWidth(int pixels);

private:
    FormContext& form_;
    SettingsTransfer& transfer_;
};
