#pragma once
// Moving the whole set of settings between the settings file and the
// properties window's controls.

struct FormContext;

class SettingsTransfer {
public:
    explicit SettingsTransfer(FormContext& form) : form_(form) {}

    // File to controls, through the controls' setters, so their reactions run
    // as for a user's change; a missing key gives the control's designed
    // state. A reaction that fails is shown by the general error display and
    // the remaining keys are still loaded. Callers disable Save_Button
    // afterwards.
    void LoadSettings();
    // Controls to file, then the auto-save timer is re-armed. A failed write
    // throws AppError and stops at that key.
    void WriteSettings();
    // SaveFolder_Edit := SaveFolderPath shortened to the box's width.
    void showSaveFolderShortened();

private:
    FormContext& form_;
};
