#pragma once
// capture/: the save: log window, copy, file name, writing, notice. Uses form/ and below.
//
// The save command: find the log window, copy its text through the clipboard
// into the hidden holder, write it under a free name, empty the holder and the
// clipboard, and show the notice when so configured. It never waits on this
// thread: each message to the host is answered later (HostAnswered), from
// whichever loop runs then, and the save goes on from there.
#include <cstdint>
#include <optional>
#include <string>

#include "capture/host_limits.hpp"
#include "capture/log_file_writer.hpp"
#include "capture/log_window_search.hpp"
#include "form/save_gate.hpp"
#include "ports/win_constants.hpp"

class DialogForm;
class FileNaming;
struct FormContext;

class SaveCommand {
public:
    SaveCommand(FormContext& form, FileNaming& naming, DialogForm& notice)
        : form_(form), naming_(naming), notice_(notice) {}

    // Begins one save; asked for through the gate, never inside another.
    // Errors that the user must see are message boxes; a log that cannot be
    // written throws AppError for the general error display.
    void Save_MenuItemClick();
    // The log window's answer to the message the save waits on.
    void HostAnswered(const HostAnswer& answer);
    // The program is ending during the save: a select-all that the host
    // may still carry out is undone after it, without waiting.
    void abandon();

private:
    enum class Copy { Copied, Empty, NoSourceArea, NotAnswering, Failed };
    // What the save waits for.
    enum class Step { None, Length, SelectAll, Copy, LengthAfterCopy };

    struct Outcome {
        Copy copy;
        WriteResult result;
        std::string path;
        win::Handle logWindow;
        bool notice = false;  // the notice switch, read with the file
        SaveGate::Handler afterShown;
    };

    void ask(Step step, unsigned message, std::uintptr_t wParam, std::intptr_t lParam);
    void goOn(Step step, const HostAnswer& answer);
    void copied(const HostAnswer& copy);
    void writeLog(Copy copy);
    // The save is over; what the user sees comes once its step has ended.
    void finish(Copy copy, WriteResult result = WriteResult::Written, const std::string& path = {});
    // What the user sees of the save, and then what waited for that.
    void report(const Outcome& outcome);
    void show(const Outcome& outcome);
    // With the file: when the notice switch is on, the timer is switched on
    // as the settings say; true when the notice is to be shown.
    bool switchAutoSaveOn();
    LogTarget chooseTarget();
    void showNoLogWindow();
    void showNotice(win::Handle logWindow, const std::string& path);

    FormContext& form_;
    FileNaming& naming_;
    DialogForm& notice_;
    int noWindowBoxes_ = 0;  // "no log window" boxes open, nested ones included

    // The save under way.
    Step step_ = Step::None;
    LogSource source_;
    WaitBudget shortMessages_{0};  // the short messages' share
    WaitBudget copying_{0};        // the copy's, sized to the log
    std::uint32_t before_ = 0;     // the clipboard's number before the copy
    std::uint32_t hostsCopy_ = 0;  // its number once the host had copied
    std::optional<Outcome> outcome_;  // set by finish
};
