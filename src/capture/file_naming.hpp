#pragma once
// Log file names: the builder that reads the settings file afresh at every
// call, the sample shown from the controls, and the file-name page's handlers.
#include <string>

#include "capture/log_name_pattern.hpp"

struct FormContext;

// What the settings file says about log names: the save folder and the pattern.
struct LogNameSettings {
    std::string folder;
    LogNamePattern pattern;
};

class FileNaming {
public:
    explicit FileNaming(FormContext& form) : form_(form) {}

    // Full path of the log file for an identifier, from the settings file.
    std::string MakeLogFileName(const std::string& identifier);
    // The two halves of MakeLogFileName, for a caller that builds many names
    // in a row (the sequence-number search) and reads the file once for all,
    // all of them dated by one reading of the clock.
    LogNameSettings readLogNameSettings();
    static std::string logFilePath(const LogNameSettings& settings, const std::string& identifier,
                                   const LocalTime& now);
    // "例: " + the name the controls describe, into FileNameSample_Label.
    void UpdateFileNameSample();

    void TopFileName_EditChange();
    void Year_CheckBoxClick();
    void Plain_CheckBoxClick();
    void CheckBoxClick();

private:
    FormContext& form_;
};
