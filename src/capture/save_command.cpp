#include "capture/save_command.hpp"

#include <cstdint>

#include "app/app_error.hpp"
#include "app/form_context.hpp"
#include "capture/dialog_form.hpp"
#include "capture/file_naming.hpp"
#include "capture/log_file_writer.hpp"
#include "capture/log_name_pattern.hpp"
#include "capture/log_window_search.hpp"
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
        // Unanswered for 10 s, the close timer ends the program under the box.
        form_.CloseTimer.setEnabled(true);
        p.messageBox.show(txt::kNoLogWindow, txt::kCaptionError, errorBox);
        form_.CloseTimer.setEnabled(false);
        return;
    }
    if (source.control == 0) {
        p.messageBox.show(txt::kNoSourceArea, txt::kCaptionError, errorBox);
        return;
    }
    if (p.hostWindows.sendMessage(source.control, win::kWmGetTextLength, 0, 0) == 0) {
        source = findChatClientSource(p.hostWindows);
        if (source.control == 0) {
            p.messageBox.show(txt::kNoSourceArea, txt::kCaptionError, errorBox);
            return;
        }
    }

    const std::uint32_t clipboardBefore = p.clipboard.sequenceNumber();
    p.hostWindows.sendMessage(source.control, win::kEmSetSel, 0, -1);
    p.hostWindows.sendMessage(source.control, win::kWmCopy, 0, 0);
    p.hostWindows.sendMessage(source.control, win::kEmSetSel, 0, 0);
    // WM_COPY reports nothing. When the clipboard did not change, the copy
    // never arrived (the window closed meanwhile, another program holds the
    // clipboard open, or there was no text), and the paste would save
    // whatever the clipboard held before as this log.
    if (p.clipboard.sequenceNumber() == clipboardBefore) throw AppError(txt::kCannotCopyLog);
    p.holder.paste();
    p.holder.setPlainText(!form_.settings.readFlag(keys::kFileTabSheet, keys::kRichTextRadioButton, true));

    const std::string path = naming_.MakeLogFileName(chooseIdentifier());
    const WriteResult result = writeLogFile(p.files, p.holder, path);
    p.holder.clear();
    if (result == WriteResult::CannotCreate) throw AppError(formatWithPath(txt::kCannotCreateFileFmt, path));
    if (result == WriteResult::StreamFailed) throw AppError(txt::kStreamWriteFailed);
    p.clipboard.empty();

    // The notice and auto-save are extras: nothing in them may fail the save.
    try {
        showNotice(source.window, path);
    } catch (...) {
    }
}

std::string SaveCommand::chooseIdentifier() {
    if (!form_.settings.readFlag(keys::kFileNameGroup, keys::kNumberCheckBox, true))
        return timeIdentifier(form_.platform.clock.now());
    // The lowest free number, gaps included; a folder of that name counts as
    // taken. The name settings are read once for the whole search: read per
    // candidate they made a day of 10,000 logs take seconds.
    const LogNameSettings names = naming_.readLogNameSettings();
    for (unsigned long long n = 1;; ++n) {
        const std::string id = std::to_string(n);
        if (form_.platform.files.attributes(naming_.logFilePath(names, id)) == win::kInvalidFileAttributes) return id;
    }
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
