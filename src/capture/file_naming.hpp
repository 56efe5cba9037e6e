#pragma once
// Log file names: the builder that reads the settings file afresh at every
// call, the sample shown from the controls, and the file-name page's handlers.
#include <string>

struct FormContext;

class FileNaming {
public:
    explicit FileNaming(FormContext& form) : form_(form) {}

    // Full path of the log file for an identifier, from the settings file.
    std::string MakeLogFileName(const std::string& identifier);
    // "例: " + the name the controls describe, into FileNameSample_Label.
    void UpdateFileNameSample();

    void TopFileName_EditChange();
    void Year_CheckBoxClick();
    void Plain_CheckBoxClick();
    void CheckBoxClick();

private:
    FormContext& form_;
};
