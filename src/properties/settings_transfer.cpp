#include "properties/settings_transfer.hpp"

#include <variant>
#include <vector>

#include "errors/app_error.hpp"
#include "errors/general_error.hpp"
#include "form/form_context.hpp"
#include "settings/folder_paths.hpp"
#include "settings/setting_keys.hpp"

namespace {
// The keys that are not a check box's or radio button's flag.
enum class Special { Prefix, QuorlaPath, SaveFolder, Interval };

struct Setting {
    const char* section;
    const char* key;
    std::variant<CheckBox*, RadioButton*, Special> target;
};

// Every key moved between the file and the window, in the order of loading;
// writing takes the same order and leaves QuorlaPath, which is written the
// moment it is chosen.
std::vector<Setting> settingsInOrder(PropertiesControls& c) {
    using namespace keys;
    return {
        {kFileTabSheet, kRichTextRadioButton, &c.RichText_RadioButton},
        {kFileTabSheet, kPlainRadioButton, &c.Plain_RadioButton},
        {kFileNameGroup, kTopFileNameEdit, Special::Prefix},
        {kFileNameGroup, kYearCheckBox, &c.Year_CheckBox},
        {kFileNameGroup, kYear2RadioButton, &c.Year2_RadioButton},
        {kFileNameGroup, kYear4RadioButton, &c.Year4_RadioButton},
        {kFileNameGroup, kMonthCheckBox, &c.Month_CheckBox},
        {kFileNameGroup, kDayCheckBox, &c.Day_CheckBox},
        {kFileNameGroup, kNumberCheckBox, &c.Number_CheckBox},
        {kFileNameGroup, kPlainCheckBox, &c.Plain_CheckBox},
        {kFileNameGroup, kPlainRadioButton1, &c.Plain_RadioButton1},
        {kFileNameGroup, kPlainRadioButton2, &c.Plain_RadioButton2},
        {kFileNameGroup, kPlainRadioButton3, &c.Plain_RadioButton3},
        {kSettingGroup, kCreateCheckBox, &c.Create_CheckBox},
        {kSettingGroup, kQuorlaPath, Special::QuorlaPath},
        {kSettingGroup, kDialogCheckBox, &c.Dialog_CheckBox},
        {kSettingGroup, kAutoSaveOnCheckBox, &c.AutoSaveOn_CheckBox},
        {kSettingGroup, kSaveRadioButton, &c.Save_RadioButton},
        {kSettingGroup, kMainFormRadioButton, &c.MainForm_RadioButton},
        {kSettingGroup, kNoneRadioButton, &c.None_RadioButton},
        {kSettingGroup, kOrvexLogPath, Special::SaveFolder},
        {kAutoSaveGroup, kAutoSaveCheckBox, &c.AutoSave_CheckBox},
        {kAutoSaveGroup, kAutoSaveMenuCheckBox, &c.AutoSaveMenu_CheckBox},
        {kAutoSaveGroup, kAutoSaveTrackBar, Special::Interval},
    };
}

template <class... F>
struct Overloaded : F... {
    using F::operator()...;
};
template <class... F>
Overloaded(F...) -> Overloaded<F...>;
}  // namespace

void SettingsTransfer::showSaveFolderShortened() {
    form_.controls.SaveFolder_Edit.setText(
        ShortenPathForWidth(form_.SaveFolderPath, form_.platform.textMeasure, form_.saveFolderWidth));
}

void SettingsTransfer::LoadSettings() {
    PropertiesControls& c = form_.controls;
    SettingsFile& s = form_.settings;
    for (const Setting& setting : settingsInOrder(c)) {
        const char* section = setting.section;
        const char* key = setting.key;
        // A key never written stands for the control's designed state, also
        // after a cancel: what the user changed and threw away must not stay
        // (and be stored by the next commit). A reaction that fails (the start-up
        // launch option storing the chat client's folder in a read-only
        // orvex3.ini) is shown as any failed event is, and loading goes on:
        // every later key still has to reach its control.
        try {
            std::visit(Overloaded{
                           [&](auto* box) { box->setChecked(s.readFlag(section, key, box->initiallyChecked())); },
                           [&](Special special) {
                               switch (special) {
                                   case Special::Prefix:
                                       c.TopFileName_Edit.setText(
                                           s.readText(section, key, c.TopFileName_Edit.initialText()));
                                       break;
                                   case Special::QuorlaPath:
                                       c.DeleteQuorlaPath_Button.setEnabled(!s.readText(section, key, "").empty());
                                       break;
                                   case Special::SaveFolder:
                                       form_.SaveFolderPath = s.readText(section, key, form_.programFolder());
                                       showSaveFolderShortened();
                                       break;
                                   case Special::Interval:
                                       c.AutoSave_TrackBar.setPosition(s.readInt(section, key, 60));
                                       break;
                               }
                           }},
                       setting.target);
        } catch (const AppError& error) {
            showGeneralError(form_.platform.messageBox, error.what());
        }
    }
}

void SettingsTransfer::WriteSettings() {
    PropertiesControls& c = form_.controls;
    SettingsFile& s = form_.settings;
    for (const Setting& setting : settingsInOrder(c)) {
        const char* section = setting.section;
        const char* key = setting.key;
        std::visit(Overloaded{[&](auto* box) { s.writeFlag(section, key, box->checked()); },
                              [&](Special special) {
                                  switch (special) {
                                      case Special::Prefix: s.writeText(section, key, c.TopFileName_Edit.text()); break;
                                      case Special::QuorlaPath: break;
                                      case Special::SaveFolder: s.writeText(section, key, form_.SaveFolderPath); break;
                                      case Special::Interval: s.writeInt(section, key, c.AutoSave_TrackBar.position()); break;
                                  }
                              }},
                   setting.target);
    }
    form_.AutoSave_Timer.setInterval(static_cast<unsigned>(c.AutoSave_TrackBar.position()) * 60000u);
    form_.AutoSave_Timer.setEnabled(c.AutoSave_CheckBox.checked());
}
