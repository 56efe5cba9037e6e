#pragma once
// The save command: find the log window, copy its text through the clipboard
// into the hidden holder, write it under a free name, empty the holder and the
// clipboard, and show the notice when so configured.
#include <string>

#include "platform/win_constants.hpp"

class DialogForm;
class FileNaming;
struct FormContext;

class SaveCommand {
public:
    SaveCommand(FormContext& form, FileNaming& naming, DialogForm& notice)
        : form_(form), naming_(naming), notice_(notice) {}

    // Runs one whole save. Errors that the user must see are message boxes;
    // a log that cannot be written throws AppError for the general error
    // display.
    void Save_MenuItemClick();

private:
    std::string chooseIdentifier();
    void showNotice(win::Handle logWindow, const std::string& path);

    FormContext& form_;
    FileNaming& naming_;
    DialogForm& notice_;
};
