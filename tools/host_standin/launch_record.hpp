#pragma once
// Standing in for a launched host executable (ORVEX.exe, Quorla.exe): note
// how we were started so a test can check the launch.
#include <string>

namespace standin {

// Full path of this executable.
std::string modulePath();

// True when this copy runs under another name than host_standin.exe.
bool runsAsCopy(const std::string& exePath);

// Where the record goes: the explicit path, else %HOST_STANDIN_RECORD%, else
// "<exe>.launch.txt" beside the executable.
std::string recordPath(const std::string& explicitPath, const std::string& exePath);

// Appends "exe=", "cmdline=", "cwd=" lines and an empty line. False with a
// message when the file cannot be written.
bool recordLaunch(const std::string& path, const std::string& exePath, std::string& error);

}  // namespace standin
