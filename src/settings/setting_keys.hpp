#pragma once
// Sections and keys of the settings file. A key is named after the control
// that edits it and lives in the section of the group box holding it.

namespace keys {

inline constexpr const char* kFileTabSheet = "File_TabSheet";
inline constexpr const char* kFileNameGroup = "FileName_GroupBox";
inline constexpr const char* kSettingGroup = "Setting_GroupBox";
inline constexpr const char* kAutoSaveGroup = "AutoSave_GroupBox";
inline constexpr const char* kFormPosition = "FormPosition";

// File_TabSheet
inline constexpr const char* kRichTextRadioButton = "RichText_RadioButton";
inline constexpr const char* kPlainRadioButton = "Plain_RadioButton";
// FileName_GroupBox
inline constexpr const char* kTopFileNameEdit = "TopFileName_Edit";
inline constexpr const char* kYearCheckBox = "Year_CheckBox";
inline constexpr const char* kYear2RadioButton = "Year2_RadioButton";
inline constexpr const char* kYear4RadioButton = "Year4_RadioButton";
inline constexpr const char* kMonthCheckBox = "Month_CheckBox";
inline constexpr const char* kDayCheckBox = "Day_CheckBox";
inline constexpr const char* kNumberCheckBox = "Number_CheckBox";
inline constexpr const char* kPlainCheckBox = "Plain_CheckBox";
inline constexpr const char* kPlainRadioButton1 = "Plain_RadioButton1";
inline constexpr const char* kPlainRadioButton2 = "Plain_RadioButton2";
inline constexpr const char* kPlainRadioButton3 = "Plain_RadioButton3";
// Setting_GroupBox
inline constexpr const char* kCreateCheckBox = "Create_CheckBox";
inline constexpr const char* kQuorlaPath = "QuorlaPath";
inline constexpr const char* kDialogCheckBox = "Dialog_CheckBox";
inline constexpr const char* kAutoSaveOnCheckBox = "AutoSaveOn_CheckBox";
inline constexpr const char* kSaveRadioButton = "Save_RadioButton";
inline constexpr const char* kMainFormRadioButton = "MainForm_RadioButton";
inline constexpr const char* kNoneRadioButton = "None_RadioButton";
inline constexpr const char* kOrvexLogPath = "OrvexLogPath";
// AutoSave_GroupBox
inline constexpr const char* kAutoSaveCheckBox = "AutoSave_CheckBox";
inline constexpr const char* kAutoSaveMenuCheckBox = "AutoSaveMenu_CheckBox";
inline constexpr const char* kAutoSaveTrackBar = "AutoSave_TrackBar";
// FormPosition
inline constexpr const char* kMainTop = "MainTop";
inline constexpr const char* kMainLeft = "MainLeft";
inline constexpr const char* kDialogTop = "DialogTop";
inline constexpr const char* kDialogLeft = "DialogLeft";

}  // namespace keys
