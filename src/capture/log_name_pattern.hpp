#pragma once
// The one rule behind every log file name: prefix + year + month + day +
// opening separator + identifier + closing separator + extension. Both the
// name builder (from the settings file) and the sample (from the controls)
// fill a LogNamePattern and compose it here.
#include <string>
#include <string_view>

#include "ports/clock_port.hpp"

struct LogNamePattern {
    std::string prefix;
    bool year = true;
    bool twoDigitYear = false;
    bool month = true;
    bool day = true;
    bool separators = true;   // Plain_CheckBox
    bool underscore = true;   // Plain_RadioButton1
    bool parentheses = false; // Plain_RadioButton2
    bool richText = true;     // ".rtf" rather than ".txt"
};

// False when the prefix holds a character that a file name cannot hold
// (\ / : * ? " < > |), found by whole CP932 characters.
bool prefixAllowed(std::string_view prefix);

// The file name without folder for the given date and identifier.
std::string composeLogName(const LogNamePattern& pattern, const LocalTime& date, const std::string& identifier);

// folder + "\" (unless the folder is empty or already ends with the character
// "\") + name.
std::string joinFolder(const std::string& folder, const std::string& name);

// The time identifier "hhnn".
std::string timeIdentifier(const LocalTime& time);
