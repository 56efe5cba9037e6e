#include "settings/settings_file.hpp"

#include "errors/app_error.hpp"
#include "settings/setting_values.hpp"
#include "text/sjis.hpp"
#include "text/texts.hpp"

std::string settingsPathFor(const std::string& programFile) {
    const std::size_t nameStart = programFile.size() - sjis::namePart(programFile).size();
    const std::size_t dot = sjis::findLastOf(std::string_view(programFile).substr(nameStart), ".");
    if (dot == sjis::npos) return programFile + ".ini";
    return programFile.substr(0, nameStart + dot) + ".ini";
}

std::string programFolderOf(const std::string& programFile) {
    std::string folder(sjis::folderPart(programFile));
    if (!sjis::endsWithChar(folder, '\\')) return folder;
    const std::string_view before = std::string_view(folder).substr(0, folder.size() - 1);
    if (sjis::endsWithChar(before, ':') || sjis::endsWithChar(before, '\\')) return folder;
    folder.pop_back();
    return folder;
}

std::string SettingsFile::readText(const char* section, const char* key, const std::string& def) const {
    return profile_.read(path_, section, key, def);
}

std::int32_t SettingsFile::readInt(const char* section, const char* key, std::int32_t def) const {
    return settingIntOr(profile_.read(path_, section, key, ""), def);
}

bool SettingsFile::readFlag(const char* section, const char* key, bool def) const {
    return settingFlagOr(profile_.read(path_, section, key, ""), def);
}

void SettingsFile::writeText(const char* section, const char* key, const std::string& value) {
    if (!profile_.write(path_, section, key, settingStoredText(value))) {
        std::string message = txt::kCannotWriteFmt;
        message.replace(message.find("%s"), 2, path_);
        throw AppError(message);
    }
}

void SettingsFile::writeInt(const char* section, const char* key, std::int32_t value) {
    writeText(section, key, settingIntText(value));
}

void SettingsFile::writeFlag(const char* section, const char* key, bool on) {
    writeText(section, key, settingFlagText(on));
}
