#pragma once
// The save command: find the log window, copy its text through the clipboard
// into the hidden holder, write it under a free name, empty the holder and the
// clipboard, and show the notice when so configured.
#include <cstdint>
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

    // Runs one whole save; asked for through the gate, never inside another.
    // Errors that the user must see are message boxes;
    // a log that cannot be written throws AppError for the general error
    // display.
    void Save_MenuItemClick();

private:
    enum class Copy { Copied, Empty, NoSourceArea, NotAnswering, ProgramEnding, Failed };

    // hostsCopy: the clipboard's number that stands for the host's copy.
    Copy copyToHolder(LogSource& source, std::uint32_t& hostsCopy);
    LogTarget chooseTarget();
    void showNoLogWindow();
    void showNotice(win::Handle logWindow, const std::string& path);

    FormContext& form_;
    FileNaming& naming_;
    DialogForm& notice_;
    int noWindowBoxes_ = 0;  // "no log window" boxes open, nested ones included
};
