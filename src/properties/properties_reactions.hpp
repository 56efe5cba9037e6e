#pragma once
// Reactions of the properties window's save page that mark the window changed.

struct FormContext;

class PropertiesReactions {
public:
    explicit PropertiesReactions(FormContext& form) : form_(form) {}

    // Auto-save options follow AutoSave_CheckBox, AutoSaveOn_CheckBox on the
    // behaviour page included.
    void AutoSave_CheckBoxClick();
    // "<position>分" into AutoSave_Label.
    void AutoSave_TrackBarChange();

private:
    FormContext& form_;
};
