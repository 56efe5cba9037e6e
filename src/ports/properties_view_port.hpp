#pragma once
// The properties window itself, as far as its handlers move it: the page
// shown, the focus and hiding. Its controls are the model objects of
// form/properties_controls.hpp.

class PropertiesViewPort {
public:
    virtual ~PropertiesViewPort() = default;
    // Makes FileName_TabSheet (page 1) the active page.
    virtual void activateFirstPage() = 0;
    // Moves the focus to the first focusable tab stop after FileName_GroupBox
    // in the window's tab order, which is TopFileName_Edit.
    virtual void focusPrefixBox() = 0;
    // Hides the window; the object and every control state stay.
    virtual void hide() = 0;
};
