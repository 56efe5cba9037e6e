#pragma once
// hosts/: the chat client and the companion: where they are, starting them. Uses form/ and below.
//
// The start-up step that starts a host program when the option is on: the
// companion when its executable is stored, otherwise the chat client from
// its own INI file. Nothing is started while the chat client runs, nor from a
// stored value that does not name the program in a definite place. Launch
// failures are silent; the tool starts normally either way.
#include <string>

struct FormContext;

class HostLaunch {
public:
    explicit HostLaunch(FormContext& form) : form_(form) {}

    // Reads the loaded Create_CheckBox, then the settings file and the chat
    // client's INI file afresh.
    void LaunchHostProgram();

private:
    FormContext& form_;
};

// The command line that runs the stored companion executable: the path in
// quotes, so that a blank in it (C:\Program Files\...) cannot make the system
// try C:\Program.exe first.
std::string companionCommandLine(const std::string& executable);
