#include "capture/file_naming.hpp"

#include "form/form_context.hpp"
#include "settings/setting_keys.hpp"
#include "text/sjis.hpp"
#include "text/texts.hpp"

std::string FileNaming::MakeLogFileName(const std::string& identifier) {
    return logFilePath(readLogNameSettings(), identifier, form_.platform.clock.now());
}

LogNameSettings FileNaming::readLogNameSettings() {
    using namespace keys;
    SettingsFile& s = form_.settings;
    LogNameSettings r;
    r.folder = form_.storedSaveFolder();
    LogNamePattern& p = r.pattern;
    p.prefix = s.readText(kFileNameGroup, kTopFileNameEdit, "");
    // A stored prefix that the box would refuse counts as the empty one the
    // box shows after loading it: "..\x" or "x:y" must never reach the path.
    if (!prefixAllowed(p.prefix)) p.prefix.clear();
    p.year = s.readFlag(kFileNameGroup, kYearCheckBox, true);
    if (p.year) p.twoDigitYear = s.readFlag(kFileNameGroup, kYear2RadioButton, false);
    p.month = s.readFlag(kFileNameGroup, kMonthCheckBox, true);
    p.day = s.readFlag(kFileNameGroup, kDayCheckBox, true);
    p.separators = s.readFlag(kFileNameGroup, kPlainCheckBox, true);
    if (p.separators) {
        p.underscore = s.readFlag(kFileNameGroup, kPlainRadioButton1, true);
        if (!p.underscore) p.parentheses = s.readFlag(kFileNameGroup, kPlainRadioButton2, false);
    }
    p.richText = s.readFlag(kFileTabSheet, kRichTextRadioButton, true);
    return r;
}

std::string FileNaming::logFilePath(const LogNameSettings& settings, const std::string& identifier,
                                    const LocalTime& now) {
    return joinFolder(settings.folder, composeLogName(settings.pattern, now, identifier));
}

void FileNaming::UpdateFileNameSample() {
    const PropertiesControls& c = form_.controls;
    LogNamePattern p;
    p.prefix = c.TopFileName_Edit.text();
    p.year = c.Year_CheckBox.checked();
    p.twoDigitYear = c.Year2_RadioButton.checked();
    p.month = c.Month_CheckBox.checked();
    p.day = c.Day_CheckBox.checked();
    p.separators = c.Plain_CheckBox.checked();
    p.underscore = c.Plain_RadioButton1.checked();
    p.parentheses = c.Plain_RadioButton2.checked();
    p.richText = c.RichText_RadioButton.checked();
    const LocalTime now = form_.platform.clock.now();
    const std::string identifier = c.Number_CheckBox.checked() ? "1" : timeIdentifier(now);
    form_.controls.FileNameSample_Label.setCaption(std::string(txt::kSamplePrefix) + composeLogName(p, now, identifier));
}

void FileNaming::TopFileName_EditChange() {
    Edit& edit = form_.controls.TopFileName_Edit;
    if (!prefixAllowed(edit.text())) {
        form_.platform.messageBox.show(txt::kBadPrefix, txt::kCaptionError, win::kMbOk | win::kMbIconError);
        // Emptying the box is itself a change and runs this check once more.
        edit.setText("");
    }
    UpdateFileNameSample();
}

void FileNaming::Year_CheckBoxClick() {
    PropertiesControls& c = form_.controls;
    c.Year2_RadioButton.setEnabled(c.Year_CheckBox.checked());
    c.Year4_RadioButton.setEnabled(c.Year_CheckBox.checked());
    UpdateFileNameSample();
}

void FileNaming::Plain_CheckBoxClick() {
    PropertiesControls& c = form_.controls;
    const bool on = c.Plain_CheckBox.checked();
    c.Plain_RadioButton1.setEnabled(on);
    c.Plain_RadioButton2.setEnabled(on);
    c.Plain_RadioButton3.setEnabled(on);
    UpdateFileNameSample();
}

void FileNaming::CheckBoxClick() {
    UpdateFileNameSample();
    form_.SaveEnabled_CheckBoxClick();
}
