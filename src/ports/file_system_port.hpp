#pragma once
// Files and folders, named by Windows paths (CP932 byte strings). As with
// Windows' ANSI file functions, a path of MAX_PATH (260) characters or more
// names nothing: nothing is seen, created, replaced or removed there.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

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
    // MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH). Like
    // moveToFreeName, tried again for about a second while another program (a
    // virus scanner, an indexer) holds either file open.
    virtual bool replace(const std::string& from, const std::string& to) = 0;
    // Moves `from` to `to` only while nothing of that name exists
    // (MoveFileExA with MOVEFILE_WRITE_THROUGH alone).
    enum class Move { Moved, NameTaken, Failed };
    virtual Move moveToFreeName(const std::string& from, const std::string& to) = 0;
    // DeleteFileA: fails for a folder, a read-only file, and a file that is
    // open without delete sharing (as every file from createNew is until
    // finished), in this process or another.
    virtual bool remove(const std::string& path) = 0;
    // FindFirstFileA on folder + pattern ("*" and "?" wildcards, any case):
    // the names of the matching files, folders left out. `folder` is empty or
    // ends with "\".
    virtual std::vector<std::string> fileNames(const std::string& folder, const std::string& pattern) = 0;
};
