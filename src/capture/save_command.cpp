#include "capture/save_command.hpp"

#include <cstdint>
#include <utility>

#include "capture/dialog_form.hpp"
#include "capture/file_naming.hpp"
#include "capture/log_name_pattern.hpp"
#include "errors/app_error.hpp"
#include "errors/general_error.hpp"
#include "form/form_context.hpp"
#include "settings/setting_keys.hpp"
#include "text/sjis.hpp"
#include "text/texts.hpp"

namespace {
std::string formatWithPath(const char* format, const std::string& path) {
    std::string text = format;
    const std::size_t at = text.find("%s");
    if (at != std::string::npos) text.replace(at, 2, path);
    return text;
}

bool silent(const HostAnswer& a) { return a.status == HostAnswer::Status::NotAnswering; }
}  // namespace

void SaveCommand::Save_MenuItemClick() {
    Platform& p = form_.platform;
    const LogSource source = findLogSource(p.hostWindows);
    if (source.window == 0) {
        showNoLogWindow();
        return;
    }
    if (source.control == 0) {
        p.messageBox.show(txt::kNoSourceArea, txt::kCaptionError, win::kMbOk | win::kMbIconError);
        return;
    }
    const SaveGate::Step step(form_.gate);
    form_.gate.begin();
    source_ = source;
    shortMessages_ = WaitBudget(kHostAnswerLimitMs);
    // A host that is busy is waited for; one that stays silent is never taken
    // for an empty window, which would save the chat client's log instead.
    ask(Step::Length, win::kWmGetTextLength, 0, 0);
}

void SaveCommand::ask(Step step, unsigned message, std::uintptr_t wParam, std::intptr_t lParam) {
    step_ = step;
    form_.platform.hostWindows.send(source_.control, message, wParam, lParam, shortMessages_.left());
}

void SaveCommand::HostAnswered(const HostAnswer& answer) {
    const Step step = std::exchange(step_, Step::None);
    if (step == Step::None) return;
    {
        const SaveGate::Step busy(form_.gate);
        // Whatever a step throws, the save is over.
        struct EndOnThrow {
            SaveCommand& save;
            ~EndOnThrow() {
                if (save.step_ == Step::None && save.form_.gate.saving()) save.form_.gate.end();
            }
        } endOnThrow{*this};
        goOn(step, answer);
    }
    if (!outcome_) return;  // waiting for the next answer
    Outcome outcome = *std::exchange(outcome_, std::nullopt);
    // The close timer fired meanwhile: the program ends now that the file is
    // written, and shows nothing more.
    form_.gate.closeIfDue();
    if (form_.closing) return;
    // Auto-save switched on by a save goes with its file, so that a tray
    // menu open meanwhile shows the timer as it is and a choice made there
    // stands; only what the user sees may wait for the menu.
    const bool saved = (outcome.copy == Copy::Copied || outcome.copy == Copy::Empty) &&
                       outcome.result == WriteResult::Written;
    outcome.notice = saved && switchAutoSaveOn();
    // Shown once the step is over, so that the notice's and the boxes' loops
    // take the user's input at once.
    form_.gate.afterMenus([this, outcome] { report(outcome); });
}

void SaveCommand::goOn(Step step, const HostAnswer& answer) {
    HostWindowsPort& windows = form_.platform.hostWindows;
    switch (step) {
        case Step::Length:
            shortMessages_.spend(answer);
            if (silent(answer)) return finish(Copy::NotAnswering);
            if (answer.value == 0) {
                source_ = findChatClientSource(windows);
                if (source_.control == 0) return finish(Copy::NoSourceArea);
            }
            before_ = form_.platform.clipboard.sequenceNumber();
            copying_ = WaitBudget(copyLimitMs(answer.value > 0 ? static_cast<std::uintptr_t>(answer.value) : 0));
            return ask(Step::SelectAll, win::kEmSetSel, 0, -1);
        case Step::SelectAll:
            shortMessages_.spend(answer);
            if (silent(answer)) {
                windows.sendWithoutWaiting(source_.control, win::kEmSetSel, 0, 0);
                return finish(Copy::NotAnswering);
            }
            step_ = Step::Copy;
            form_.gate.copySent();
            return windows.copy(source_.control, before_, copying_.left());
        case Step::Copy:
            return copied(copying_.spend(answer));
        case Step::LengthAfterCopy:
            shortMessages_.spend(answer);
            if (silent(answer)) return finish(Copy::NotAnswering);
            return answer.answered() && answer.value == 0 ? writeLog(Copy::Empty) : finish(Copy::Failed);
        case Step::None:
            return;
    }
}

void SaveCommand::copied(const HostAnswer& copy) {
    RichHolderPort& holder = form_.platform.holder;
    // The host's selection is put back whether or not the copy was made; a
    // silent host does it once it wakes, after the messages it still owes.
    form_.platform.hostWindows.sendWithoutWaiting(source_.control, win::kEmSetSel, 0, 0);
    if (silent(copy)) return finish(Copy::NotAnswering);
    form_.gate.copyAnswered();
    // Only what the host's own program placed is its copy: not another
    // program's, and nothing once the log window has gone; and a clipboard
    // that others kept open past the bound could not be read.
    if (!copy.answered()) return finish(Copy::Failed);
    hostsCopy_ = static_cast<std::uint32_t>(copy.value);
    if (hostsCopy_ != before_) {
        // The worker has taken the host's copy: what another program puts on
        // the clipboard from now on cannot reach the log.
        if (copy.taken) holder.fill(*copy.taken);
        if (!holder.empty()) return writeLog(Copy::Copied);
        // A host that ends right after the copy takes data with it that it
        // had promised to hand over later: the clipboard changed, but there
        // is nothing to take.
    }
    // WM_COPY reports nothing, and leaves the clipboard alone when there is
    // nothing to copy. Only a source that says it holds no text gives an empty
    // log; otherwise the copy never arrived (another program held the
    // clipboard open), and nothing of it can be saved.
    ask(Step::LengthAfterCopy, win::kWmGetTextLength, 0, 0);
}

void SaveCommand::writeLog(Copy copy) {
    Platform& p = form_.platform;
    // Nothing was pasted for an empty log, and the holder's control is made
    // by the first fill or clear: without one, the first save of a session
    // would have nothing to write out.
    if (copy == Copy::Empty) p.holder.clear();
    // Settings are read once the host has answered, at one instant.
    p.holder.setPlainText(!form_.settings.readFlag(keys::kFileTabSheet, keys::kRichTextRadioButton, true));
    LogTarget target = chooseTarget();
    const WriteResult result = writeLogFile(p.files, p.holder, target);
    p.holder.clear();
    // The clipboard is left empty after a save, unless another program has
    // put something there since the host's copy. Emptying it tells its owner,
    // the host, so it is done on a worker of its own; the save is over with
    // its file.
    if (result == WriteResult::Written) p.hostWindows.emptyClipboard(hostsCopy_, kClipboardEmptyLimitMs);
    finish(copy, result, target.path);
}

void SaveCommand::finish(Copy copy, WriteResult result, const std::string& path) {
    step_ = Step::None;
    outcome_ = Outcome{copy, result, path, source_.window, false, form_.gate.end()};
}

void SaveCommand::report(const Outcome& outcome) {
    try {
        show(outcome);
    } catch (const AppError& error) {
        showGeneralError(form_.platform.messageBox, error.what());
    }
    // What waited for this save (the properties window of a double click)
    // comes once what it showed has been answered.
    if (outcome.afterShown && !form_.closing) outcome.afterShown();
}

void SaveCommand::show(const Outcome& outcome) {
    Platform& p = form_.platform;
    const Copy copy = outcome.copy;
    const WriteResult result = outcome.result;
    const std::string& path = outcome.path;
    const win::Handle logWindow = outcome.logWindow;
    const unsigned errorBox = win::kMbOk | win::kMbIconError;
    switch (copy) {
        case Copy::NoSourceArea:
            p.messageBox.show(txt::kNoSourceArea, txt::kCaptionError, errorBox);
            return;
        case Copy::NotAnswering:
            p.messageBox.show(formatWithPath(txt::kHostNotAnsweringFmt, p.hostWindows.windowTitle(logWindow)),
                              txt::kCaptionError, errorBox);
            return;
        case Copy::Failed:
            throw AppError(txt::kCannotCopyLog);
        case Copy::Copied:
        case Copy::Empty:
            break;
    }
    if (result == WriteResult::CannotCreate) throw AppError(formatWithPath(txt::kCannotCreateFileFmt, path));
    if (result == WriteResult::StreamFailed) throw AppError(txt::kStreamWriteFailed);

    // The notice is an extra: nothing in it may fail the save.
    try {
        if (outcome.notice) showNotice(logWindow, path);
    } catch (...) {
    }
}

void SaveCommand::showNoLogWindow() {
    // Unanswered for 10 s, the close timer ends the program under the box. It
    // runs while any such box is open: a nested one answered first must not
    // stop the count that the outer one still announces.
    struct OpenBox {
        SaveCommand& save;
        explicit OpenBox(SaveCommand& s) : save(s) {
            ++save.noWindowBoxes_;
            save.form_.CloseTimer.setEnabled(true);
        }
        ~OpenBox() {
            if (--save.noWindowBoxes_ == 0) save.form_.CloseTimer.setEnabled(false);
        }
    } box(*this);
    form_.platform.messageBox.show(txt::kNoLogWindow, txt::kCaptionError, win::kMbOk | win::kMbIconError);
}

LogTarget SaveCommand::chooseTarget() {
    // One reading of the clock names the log. Read twice, a save at 23:59:59
    // could be dated the next day with the time 2359, or take a number found
    // free under one date and write it under the next.
    const LocalTime now = form_.platform.clock.now();
    // The name settings are read once for the whole search: read per
    // candidate they made a day of 10,000 logs take seconds.
    const LogNameSettings names = naming_.readLogNameSettings();
    if (!form_.settings.readFlag(keys::kFileNameGroup, keys::kNumberCheckBox, true))
        return {FileNaming::logFilePath(names, timeIdentifier(now), now), nullptr};
    // The lowest free number, gaps included; a folder of that name counts as
    // taken. Should the name be taken before the log is in place, the search
    // goes on from there.
    auto nextFree = [&files = form_.platform.files, names, now, n = 0ull]() mutable {
        for (;;) {
            std::string path = FileNaming::logFilePath(names, std::to_string(++n), now);
            if (files.attributes(path) == win::kInvalidFileAttributes) return path;
        }
    };
    LogTarget target;
    target.path = nextFree();
    target.nextFree = nextFree;
    return target;
}

bool SaveCommand::switchAutoSaveOn() {
    if (!form_.controls.Dialog_CheckBox.checked()) return false;
    // An extra as well: nothing in it may fail the save.
    try {
        if (form_.settings.readFlag(keys::kAutoSaveGroup, keys::kAutoSaveCheckBox, true) &&
            form_.settings.readFlag(keys::kSettingGroup, keys::kAutoSaveOnCheckBox, true))
            form_.AutoSave_Timer.setEnabled(true);
    } catch (...) {
    }
    return true;
}

void SaveCommand::abandon() {
    // The select-all is sent but the copy not answered: the host selects
    // everything once it wakes, and puts the selection back right after.
    if (step_ == Step::SelectAll || step_ == Step::Copy)
        form_.platform.hostWindows.sendWithoutWaiting(source_.control, win::kEmSetSel, 0, 0);
}

void SaveCommand::showNotice(win::Handle logWindow, const std::string& path) {
    notice_.WindowTitleDialog_Label.setCaption(form_.platform.hostWindows.windowTitle(logWindow));
    notice_.FileNameDialog_Label.setCaption(std::string(sjis::namePart(path)));
    // A notice already on screen (a nested save) cannot be shown twice; the
    // labels above still show the newest save.
    notice_.showModal();
}
