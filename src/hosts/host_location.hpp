#pragma once
// Locating the host program that start-up launches: the start-up option's
// check box, the button that forgets the companion's executable, and the
// check of the file chosen in the open-file dialog. The locations are written
// the moment they are chosen or forgotten, whatever happens to the window's
// other changes.
#include <optional>
#include <string>

#include "ports/open_file_dialog_port.hpp"

struct FormContext;
class OpenDialog;

class HostLocation {
public:
    HostLocation(FormContext& form, OpenDialog& dialog) : form_(form), dialog_(dialog) {}

    // Runs after every change of Create_CheckBox. Turning it on makes sure
    // the executable to launch is known, asking for it if not; a cancelled
    // choice clears the box again and leaves Save_Button as it was before.
    void Create_CheckBoxClick();
    // Stores an empty companion path (the key stays), disables the button and
    // clears Create_CheckBox, which marks the window changed only if it was
    // checked.
    void DeleteQuorlaPath_ButtonClick();
    // Whether the dialog may close with this file: its name part must be the
    // executable that the dialog's title asks for, in any letter case.
    // Otherwise the mode's error is shown and the dialog stays open.
    bool OpenDialogCanClose(const std::string& path);

private:
    bool companionInstalled();
    // The warning, then the dialog in that mode; the confirmed file or
    // nothing when the user cancels.
    std::optional<std::string> askForExecutable(OpenDialogMode mode);

    FormContext& form_;
    OpenDialog& dialog_;
};
