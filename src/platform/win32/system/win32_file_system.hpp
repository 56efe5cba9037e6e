#pragma once
// Files and folders through the ANSI file API; paths are CP932 byte strings.
#include <windows.h>

#include "ports/file_system_port.hpp"

class Win32FileSystem : public FileSystemPort {
public:
    std::uint32_t attributes(const std::string& path) override;
    bool fileExists(const std::string& path) override;
    bool createDirectory(const std::string& path) override;
    std::unique_ptr<WritableFile> createNew(const std::string& path) override;
    bool replace(const std::string& from, const std::string& to) override;
    Move moveToFreeName(const std::string& from, const std::string& to) override;
    bool remove(const std::string& path) override;
    std::vector<std::string> fileNames(const std::string& folder, const std::string& pattern) override;
};
