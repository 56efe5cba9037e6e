#pragma once
#include <string>

class SystemPort {
public:
    virtual ~SystemPort() = default;
    virtual std::string moduleFileName() = 0;     // GetModuleFileNameA of the program
    virtual std::string windowsDirectory() = 0;   // GetWindowsDirectoryA, no trailing "\"
    virtual int screenWidth() = 0;                // GetSystemMetrics(SM_CXSCREEN)
    virtual int screenHeight() = 0;               // GetSystemMetrics(SM_CYSCREEN)
};
