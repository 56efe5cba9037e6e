#pragma once
// Every control of the properties window that the logic reads or changes, at
// its designed initial state. Names are the settings keys where a control has
// one.
#include "form/controls.hpp"
#include "text/texts.hpp"

struct PropertiesControls {
    // Radio groups are formed by the parent container.
    RadioGroup yearGroup;      // FileName_GroupBox
    RadioGroup dividerGroup;   // Divide_Panel
    RadioGroup textTypeGroup;  // TextType_GroupBox
    RadioGroup dblClickGroup;  // DblClick_GroupBox

    // Page 1, file name
    Edit TopFileName_Edit{"TopFileName_Edit", "", 14};
    CheckBox Year_CheckBox{"Year_CheckBox", true};
    RadioButton Year2_RadioButton{"Year2_RadioButton", yearGroup, true};
    RadioButton Year4_RadioButton{"Year4_RadioButton", yearGroup, false};
    CheckBox Month_CheckBox{"Month_CheckBox", true};
    CheckBox Day_CheckBox{"Day_CheckBox", true};
    CheckBox Number_CheckBox{"Number_CheckBox", true};
    CheckBox Plain_CheckBox{"Plain_CheckBox", true};
    RadioButton Plain_RadioButton1{"Plain_RadioButton1", dividerGroup, true};
    RadioButton Plain_RadioButton2{"Plain_RadioButton2", dividerGroup, false};
    RadioButton Plain_RadioButton3{"Plain_RadioButton3", dividerGroup, false};
    Label FileNameSample_Label{"FileNameSample_Label", txt::kSampleDesigned};

    // Page 2, save
    RadioButton RichText_RadioButton{"RichText_RadioButton", textTypeGroup, true};
    RadioButton Plain_RadioButton{"Plain_RadioButton", textTypeGroup, false};
    Edit SaveFolder_Edit{"SaveFolder_Edit", ""};
    Button SaveFolder_Button{"SaveFolder_Button", txt::kBrowseButton};
    CheckBox AutoSave_CheckBox{"AutoSave_CheckBox", true};
    CheckBox AutoSaveMenu_CheckBox{"AutoSaveMenu_CheckBox", true};
    TrackBar AutoSave_TrackBar{"AutoSave_TrackBar", 10, 120, 10};
    Label SaveTime_Label{"SaveTime_Label", txt::kSaveTimeLabel};
    Label AutoSave_Label{"AutoSave_Label", txt::kAutoSaveLabelDesigned};

    // Page 3, behaviour
    CheckBox Create_CheckBox{"Create_CheckBox", false};
    Button DeleteQuorlaPath_Button{"DeleteQuorlaPath_Button", txt::kDeleteQuorlaPathButton};
    CheckBox Dialog_CheckBox{"Dialog_CheckBox", true};
    CheckBox AutoSaveOn_CheckBox{"AutoSaveOn_CheckBox", true};
    RadioButton Save_RadioButton{"Save_RadioButton", dblClickGroup, false};
    RadioButton MainForm_RadioButton{"MainForm_RadioButton", dblClickGroup, false};
    RadioButton None_RadioButton{"None_RadioButton", dblClickGroup, true};

    // Bottom of the window
    Button OK_Button{"OK_Button", txt::kOk};
    Button Cancel_Button{"Cancel_Button", txt::kCancel};
    Button Save_Button{"Save_Button", txt::kUpdateSettings};
};
