#include "capture/save_command.hpp"

#include <cstdint>

#include "app/app_error.hpp"
#include "app/form_context.hpp"
#include "capture/dialog_form.hpp"
#include "capture/file_naming.hpp"
#include "capture/host_limits.hpp"
#include "capture/log_file_writer.hpp"
#include "capture/log_name_pattern.hpp"
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

}  // namespace

void SaveCommand::Save_MenuItemClick() {
    Platform& p = form_.platform;
    const unsigned errorBox = win::kMbOk | win::kMbIconError;

    LogSource source = findLogSource(p.hostWindows);
    if (source.window == 0) {
        showNoLogWindow();
        return;
    }
    if (source.control == 0) {
        p.messageBox.show(txt::kNoSourceArea, txt::kCaptionError, errorBox);
        return;
    }

    // Boxes and the notice come after the span, so that saves nested in them
    // run in full as before.
    Copy copy;
    LogTarget target;
    WriteResult result = WriteResult::Written;
    {
        const SaveGate::Span span(form_.gate);
        std::uint32_t hostsCopy = 0;
        copy = copyToHolder(source, hostsCopy);
        if (copy == Copy::Copied || copy == Copy::Empty) {
            // Nothing was pasted for an empty log, and the holder's control is
            // made by the first paste or clear: without one, the first save
            // of a session would have nothing to write out.
            if (copy == Copy::Empty) p.holder.clear();
            // Settings are read after the last wait on the host.
            p.holder.setPlainText(!form_.settings.readFlag(keys::kFileTabSheet, keys::kRichTextRadioButton, true));
            target = chooseTarget();
            result = writeLogFile(p.files, p.holder, target);
            p.holder.clear();
            // The host's copy only; an empty log copied nothing, and the
            // clipboard holds another program's data.
            if (result == WriteResult::Written && copy == Copy::Copied) p.clipboard.emptyIfStill(hostsCopy);
        }
    }
    // The close timer fired meanwhile: the program ends now that the file is
    // written, and shows nothing more.
    form_.gate.closeIfDue();
    if (form_.closing) return;
    switch (copy) {
        case Copy::NoSourceArea:
            p.messageBox.show(txt::kNoSourceArea, txt::kCaptionError, errorBox);
            return;
        case Copy::NotAnswering:
            p.messageBox.show(formatWithPath(txt::kHostNotAnsweringFmt, p.hostWindows.windowTitle(source.window)),
                              txt::kCaptionError, errorBox);
            return;
        case Copy::Failed:
            throw AppError(txt::kCannotCopyLog);
        case Copy::ProgramEnding:  // nothing more is shown once the program ends
            return;
        case Copy::Copied:
        case Copy::Empty:
            break;
    }
    if (result == WriteResult::CannotCreate) throw AppError(formatWithPath(txt::kCannotCreateFileFmt, target.path));
    if (result == WriteResult::StreamFailed) throw AppError(txt::kStreamWriteFailed);

    // The notice and auto-save are extras: nothing in them may fail the save.
    try {
        showNotice(source.window, target.path);
    } catch (...) {
    }
}

SaveCommand::Copy SaveCommand::copyToHolder(LogSource& source, std::uint32_t& hostsCopy) {
    HostWindowsPort& windows = form_.platform.hostWindows;
    ClipboardPort& clipboard = form_.platform.clipboard;
    RichHolderPort& holder = form_.platform.holder;
    SaveGate& gate = form_.gate;
    WaitBudget shortMessages(kHostAnswerLimitMs);
    const auto ask = [&](unsigned message, std::uintptr_t wParam, std::intptr_t lParam) {
        const SaveGate::Waiting waiting(gate);
        return shortMessages.spend(windows.sendMessage(source.control, message, wParam, lParam, shortMessages.left()));
    };
    const auto stopped = [](const HostAnswer& a) {
        return a.status == HostAnswer::Status::NotAnswering || a.status == HostAnswer::Status::ProgramEnding;
    };
    const auto stop = [](const HostAnswer& a) {
        return a.status == HostAnswer::Status::ProgramEnding ? Copy::ProgramEnding : Copy::NotAnswering;
    };
    // A host that is busy is waited for; one that stays silent is never taken
    // for an empty window, which would save the chat client's log instead.
    const HostAnswer length = ask(win::kWmGetTextLength, 0, 0);
    if (stopped(length)) return stop(length);
    if (length.value == 0) {
        source = findChatClientSource(windows);
        if (source.control == 0) return Copy::NoSourceArea;
    }

    const std::uint32_t before = clipboard.sequenceNumber();
    WaitBudget copying(copyLimitMs(length.value > 0 ? static_cast<std::uintptr_t>(length.value) : 0));
    HostAnswer copy = ask(win::kEmSetSel, 0, -1);
    if (!stopped(copy)) {
        gate.copySent();
        const SaveGate::Waiting waiting(gate);
        copy = copying.spend(windows.copyToClipboard(source.control, before, copying.left()));
    }
    // The host's selection is put back whether or not the copy was made; a
    // silent host does it once it wakes, after the messages it still owes.
    windows.sendWithoutWaiting(source.control, win::kEmSetSel, 0, 0);
    if (stopped(copy)) return stop(copy);
    gate.copyAnswered();
    hostsCopy = static_cast<std::uint32_t>(copy.value);
    if (hostsCopy != before) {
        // The log is the host's copy and nothing else: a clipboard that
        // another program changed since (while a menu held the wait, say) is
        // neither pasted nor, later, emptied.
        if (clipboard.sequenceNumber() != hostsCopy) return Copy::Failed;
        holder.paste();
        if (clipboard.sequenceNumber() != hostsCopy) {
            holder.clear();
            return Copy::Failed;
        }
        if (!holder.empty()) return Copy::Copied;
        // A host that ends right after the copy takes data with it that it
        // had promised to render later: the clipboard changed, but the paste
        // gets nothing.
    }
    // WM_COPY reports nothing, and leaves the clipboard alone when there is
    // nothing to copy. Only a source that says it holds no text gives an empty
    // log; otherwise the copy never arrived (the window closed meanwhile,
    // another program held the clipboard open), and a paste would save what
    // the clipboard held before as this log.
    const HostAnswer now = ask(win::kWmGetTextLength, 0, 0);
    if (stopped(now)) return stop(now);
    return now.answered() && now.value == 0 ? Copy::Empty : Copy::Failed;
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

void SaveCommand::showNotice(win::Handle logWindow, const std::string& path) {
    if (!form_.controls.Dialog_CheckBox.checked()) return;
    if (form_.settings.readFlag(keys::kAutoSaveGroup, keys::kAutoSaveCheckBox, true) &&
        form_.settings.readFlag(keys::kSettingGroup, keys::kAutoSaveOnCheckBox, true))
        form_.AutoSave_Timer.setEnabled(true);
    notice_.WindowTitleDialog_Label.setCaption(form_.platform.hostWindows.windowTitle(logWindow));
    notice_.FileNameDialog_Label.setCaption(std::string(sjis::namePart(path)));
    // A notice already on screen (a nested save) cannot be shown twice; the
    // labels above still show the newest save.
    notice_.showModal();
}
