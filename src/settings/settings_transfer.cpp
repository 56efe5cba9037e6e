#include "settings/settings_transfer.hpp"

#include <variant>

#include "app/form_context.hpp"
#include "settings/folder_paths.hpp"
#include "settings/setting_keys.hpp"

namespace {
using keys::kAutoSaveGroup;
using keys::kFileNameGroup;
using keys::kFileTabSheet;
using keys::kSettingGroup;

// A flag key and the check box or radio button that edits it.
struct FlagBinding {
    const char* section;
    const char* key;
    std::variant<CheckBox*, RadioButton*> control;

    bool checked() const {
        return std::visit([](auto* c) { return c->checked(); }, control);
    }
    void setChecked(bool on) const {
        std::visit([on](auto* c) { c->setChecked(on); }, control);
    }
};
}  // namespace

void SettingsTransfer::showSaveFolderShortened() {
    form_.controls.SaveFolder_Edit.setText(
        ShortenPathForWidth(form_.SaveFolderPath, form_.platform.textMeasure, form_.saveFolderWidth));
}

void SettingsTransfer::LoadSettings() {
    PropertiesControls& c = form_.controls;
    SettingsFile& s = form_.settings;
    const auto loadFlags = [&s](std::initializer_list<FlagBinding> flags) {
        for (const FlagBinding& f : flags) f.setChecked(s.readFlag(f.section, f.key, f.checked()));
    };

    loadFlags({{kFileTabSheet, keys::kRichTextRadioButton, &c.RichText_RadioButton},
               {kFileTabSheet, keys::kPlainRadioButton, &c.Plain_RadioButton}});
    c.TopFileName_Edit.setText(s.readText(kFileNameGroup, keys::kTopFileNameEdit, c.TopFileName_Edit.text()));
    loadFlags({{kFileNameGroup, keys::kYearCheckBox, &c.Year_CheckBox},
               {kFileNameGroup, keys::kYear2RadioButton, &c.Year2_RadioButton},
               {kFileNameGroup, keys::kYear4RadioButton, &c.Year4_RadioButton},
               {kFileNameGroup, keys::kMonthCheckBox, &c.Month_CheckBox},
               {kFileNameGroup, keys::kDayCheckBox, &c.Day_CheckBox},
               {kFileNameGroup, keys::kNumberCheckBox, &c.Number_CheckBox},
               {kFileNameGroup, keys::kPlainCheckBox, &c.Plain_CheckBox},
               {kFileNameGroup, keys::kPlainRadioButton1, &c.Plain_RadioButton1},
               {kFileNameGroup, keys::kPlainRadioButton2, &c.Plain_RadioButton2},
               {kFileNameGroup, keys::kPlainRadioButton3, &c.Plain_RadioButton3},
               {kSettingGroup, keys::kCreateCheckBox, &c.Create_CheckBox}});
    c.DeleteQuorlaPath_Button.setEnabled(!s.readText(kSettingGroup, keys::kQuorlaPath, "").empty());
    loadFlags({{kSettingGroup, keys::kDialogCheckBox, &c.Dialog_CheckBox},
               {kSettingGroup, keys::kAutoSaveOnCheckBox, &c.AutoSaveOn_CheckBox},
               {kSettingGroup, keys::kSaveRadioButton, &c.Save_RadioButton},
               {kSettingGroup, keys::kMainFormRadioButton, &c.MainForm_RadioButton},
               {kSettingGroup, keys::kNoneRadioButton, &c.None_RadioButton}});
    form_.SaveFolderPath = s.readText(kSettingGroup, keys::kOrvexLogPath, form_.programFolder());
    showSaveFolderShortened();
    loadFlags({{kAutoSaveGroup, keys::kAutoSaveCheckBox, &c.AutoSave_CheckBox},
               {kAutoSaveGroup, keys::kAutoSaveMenuCheckBox, &c.AutoSaveMenu_CheckBox}});
    c.AutoSave_TrackBar.setPosition(s.readInt(kAutoSaveGroup, keys::kAutoSaveTrackBar, 60));
}

void SettingsTransfer::WriteSettings() {
    PropertiesControls& c = form_.controls;
    SettingsFile& s = form_.settings;
    const auto writeFlags = [&s](std::initializer_list<FlagBinding> flags) {
        for (const FlagBinding& f : flags) s.writeFlag(f.section, f.key, f.checked());
    };

    writeFlags({{kFileTabSheet, keys::kRichTextRadioButton, &c.RichText_RadioButton},
                {kFileTabSheet, keys::kPlainRadioButton, &c.Plain_RadioButton}});
    s.writeText(kFileNameGroup, keys::kTopFileNameEdit, c.TopFileName_Edit.text());
    writeFlags({{kFileNameGroup, keys::kYearCheckBox, &c.Year_CheckBox},
                {kFileNameGroup, keys::kYear2RadioButton, &c.Year2_RadioButton},
                {kFileNameGroup, keys::kYear4RadioButton, &c.Year4_RadioButton},
                {kFileNameGroup, keys::kMonthCheckBox, &c.Month_CheckBox},
                {kFileNameGroup, keys::kDayCheckBox, &c.Day_CheckBox},
                {kFileNameGroup, keys::kNumberCheckBox, &c.Number_CheckBox},
                {kFileNameGroup, keys::kPlainCheckBox, &c.Plain_CheckBox},
                {kFileNameGroup, keys::kPlainRadioButton1, &c.Plain_RadioButton1},
                {kFileNameGroup, keys::kPlainRadioButton2, &c.Plain_RadioButton2},
                {kFileNameGroup, keys::kPlainRadioButton3, &c.Plain_RadioButton3},
                {kSettingGroup, keys::kCreateCheckBox, &c.Create_CheckBox},
                {kSettingGroup, keys::kDialogCheckBox, &c.Dialog_CheckBox},
                {kSettingGroup, keys::kAutoSaveOnCheckBox, &c.AutoSaveOn_CheckBox},
                {kSettingGroup, keys::kSaveRadioButton, &c.Save_RadioButton},
                {kSettingGroup, keys::kMainFormRadioButton, &c.MainForm_RadioButton},
                {kSettingGroup, keys::kNoneRadioButton, &c.None_RadioButton}});
    s.writeText(kSettingGroup, keys::kOrvexLogPath, form_.SaveFolderPath);
    writeFlags({{kAutoSaveGroup, keys::kAutoSaveCheckBox, &c.AutoSave_CheckBox},
                {kAutoSaveGroup, keys::kAutoSaveMenuCheckBox, &c.AutoSaveMenu_CheckBox}});
    s.writeInt(kAutoSaveGroup, keys::kAutoSaveTrackBar, c.AutoSave_TrackBar.position());

    form_.AutoSave_Timer.setInterval(static_cast<unsigned>(c.AutoSave_TrackBar.position()) * 60000u);
    form_.AutoSave_Timer.setEnabled(c.AutoSave_CheckBox.checked());
}
