#pragma once
#include <string>

class ShellPort {
public:
    virtual ~ShellPort() = default;
    // ShellExecuteA(owner = properties window, verb, file, parameters, folder,
    // show). The result is not looked at.
    virtual void shellExecute(const std::string& verb, const std::string& file, const std::string& parameters,
                              const std::string& folder, int show) = 0;
    // WinExec(commandLine, show). The result is not looked at.
    virtual void winExec(const std::string& commandLine, int show) = 0;
};
