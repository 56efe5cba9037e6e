#pragma once
// settings/: the settings file, its keys and values, folder paths. Uses errors/, the ports, text/.
//
// The settings file beside the executable. Nothing is cached: every read and
// write goes to the file, so what one operation writes is what the next
// reads. Each reader supplies its own default.
#include <cstdint>
#include <string>

#include "ports/profile_port.hpp"

// The executable's path with its extension replaced by ".ini" (".ini"
// appended when the name has none).
std::string settingsPathFor(const std::string& programFile);

// The executable's folder without a trailing "\", except a drive root
// (C:\Tools\OrvexLog.exe -> C:\Tools, C:\OrvexLog.exe -> C:\).
std::string programFolderOf(const std::string& programFile);

class SettingsFile {
public:
    SettingsFile(ProfilePort& profile, std::string path) : profile_(profile), path_(std::move(path)) {}

    const std::string& path() const { return path_; }

    // Text: a missing key gives `def`; a key present with an empty value "".
    std::string readText(const char* section, const char* key, const std::string& def) const;
    // Integer: decimal or "$"/"0x" hexadecimal, 32-bit signed; a missing,
    // empty or malformed value gives `def`.
    std::int32_t readInt(const char* section, const char* key, std::int32_t def) const;
    // Flag: an integer, non-zero is on.
    bool readFlag(const char* section, const char* key, bool def) const;

    // Writes throw AppError("<path> に書き込めません") when the file cannot be
    // written. A text is stored so that it reads back as it is, blanks at
    // its ends included.
    void writeText(const char* section, const char* key, const std::string& value);
    void writeInt(const char* section, const char* key, std::int32_t value);
    void writeFlag(const char* section, const char* key, bool on);

private:
    ProfilePort& profile_;
    std::string path_;
};
