#pragma once
// The chat client's INI file in the Windows directory: where its executable
// lives ("ORVEX"/"ProductHDRoot"). The file belongs to the chat client; the
// tool writes only that one key, when the user locates the executable.
#include <string>

class ProfilePort;
class SystemPort;

class ChatClientIni {
public:
    ChatClientIni(ProfilePort& profile, SystemPort& system) : profile_(profile), system_(system) {}

    // True when the key is there, whatever its value (an empty one counts)
    // and whatever the letter case of its name.
    bool hasProductHDRoot();
    // The folder, or "" when the key or the file is missing.
    std::string productHDRoot();
    // Throws AppError("<file> に書き込めません") when the file cannot be
    // written.
    void writeProductHDRoot(const std::string& folder);

private:
    ProfilePort& profile_;
    SystemPort& system_;
};
