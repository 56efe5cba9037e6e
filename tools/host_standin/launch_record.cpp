#include "launch_record.hpp"

#include <fstream>
#include <vector>

#include <windows.h>

#include "text/sjis.hpp"

namespace standin {

std::string modulePath() {
    std::vector<char> buf(MAX_PATH);
    while (true) {
        const DWORD n = GetModuleFileNameA(nullptr, buf.data(), static_cast<DWORD>(buf.size()));
        if (n < buf.size()) return std::string(buf.data(), n);
        buf.resize(buf.size() * 2);
    }
}

bool runsAsCopy(const std::string& exePath) {
    return sjis::lowerAscii(sjis::namePart(exePath)) != "host_standin.exe";
}

std::string recordPath(const std::string& explicitPath, const std::string& exePath) {
    if (!explicitPath.empty()) return explicitPath;
    const DWORD n = GetEnvironmentVariableA("HOST_STANDIN_RECORD", nullptr, 0);
    if (n > 1) {
        std::string value(n, '\0');
        const DWORD got = GetEnvironmentVariableA("HOST_STANDIN_RECORD", value.data(), n);
        value.resize(got);
        if (!value.empty()) return value;
    }
    return exePath + ".launch.txt";
}

bool recordLaunch(const std::string& path, const std::string& exePath, std::string& error) {
    const DWORD n = GetCurrentDirectoryA(0, nullptr);
    std::string cwd(n, '\0');
    cwd.resize(GetCurrentDirectoryA(n, cwd.data()));
    std::ofstream out(path, std::ios::binary | std::ios::app);
    out << "exe=" << exePath << "\r\ncmdline=" << GetCommandLineA() << "\r\ncwd=" << cwd << "\r\n\r\n";
    out.close();
    if (!out) {
        error = "cannot write " + path;
        return false;
    }
    return true;
}

}  // namespace standin
