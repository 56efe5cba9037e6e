#pragma once
// The save command: find the log window, copy its text through the clipboard
// into the hidden holder, write it under a free name, empty the holder and the
// clipboard, and show the notice when so configured.
#include <string>

#include "capture/log_window_search.hpp"
#include "platform/win_constants.hpp"

class DialogForm;
class FileNaming;
struct FormContext;
struct LogTarget;

class SaveCommand {
public:
    SaveCommand(FormContext& form, FileNaming& naming, DialogForm& notice)
        : form_(form), naming_(naming), notice_(notice) {}

    // Runs one whole save. Errors that the user must see are message boxes;
    // a log that cannot be written throws AppError for the general error
    // display.
    void Save_MenuItemClick();

private:
    enum class Copy { Copied, Empty, NoSourceArea, NotAnswering, ProgramEnding, Failed };

    Copy copyToHolder(LogSource& source);
    LogTarget chooseTarget();
    void showNoLogWindow();
    void showNotice(win::Handle logWindow, const std::string& path);

    FormContext& form_;
    FileNaming& naming_;
    DialogForm& notice_;
    // Set from the first message to the log window until the file is written.
    bool busy_ = false;
    int noWindowBoxes_ = 0;  // "no log window" boxes open, nested ones included
};
