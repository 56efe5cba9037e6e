#include "properties/properties_reactions.hpp"

#include <string>

#include "form/form_context.hpp"
#include "text/texts.hpp"

void PropertiesReactions::AutoSave_CheckBoxClick() {
    PropertiesControls& c = form_.controls;
    const bool on = c.AutoSave_CheckBox.checked();
    c.SaveTime_Label.setEnabled(on);
    c.AutoSaveMenu_CheckBox.setEnabled(on);
    c.AutoSave_TrackBar.setEnabled(on);
    c.AutoSave_Label.setEnabled(on);
    c.AutoSaveOn_CheckBox.setEnabled(on);
    form_.SaveEnabled_CheckBoxClick();
}

void PropertiesReactions::AutoSave_TrackBarChange() {
    PropertiesControls& c = form_.controls;
    c.AutoSave_Label.setCaption(std::to_string(c.AutoSave_TrackBar.position()) + txt::kMinutesSuffix);
    form_.SaveEnabled_CheckBoxClick();
}
