#pragma once
// Files and folders, named by Windows paths (CP932 byte strings).
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

class WritableFile {
public:
    virtual ~WritableFile() = default;  // closes the file if still open
    virtual bool write(std::string_view bytes) = 0;
    // Flushes to disk and closes. False when either fails.
    virtual bool finish() = 0;
};

class FileSystemPort {
public:
    virtual ~FileSystemPort() = default;
    // GetFileAttributesA: win::kInvalidFileAttributes when nothing exists there.
    virtual std::uint32_t attributes(const std::string& path) = 0;
    // FindFirstFileA: true only for an existing file that is not a folder.
    virtual bool fileExists(const std::string& path) = 0;
    // CreateDirectoryA with default security.
    virtual bool createDirectory(const std::string& path) = 0;
    // Creates a new file that must not exist yet; null when it cannot.
    virtual std::unique_ptr<WritableFile> createNew(const std::string& path) = 0;
    // Moves `from` over `to`, replacing it whole (MoveFileExA with
    // MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH).
    virtual bool replace(const std::string& from, const std::string& to) = 0;
    virtual bool remove(const std::string& path) = 0;
};
