#pragma once
// Files and folders of the simulated desktop: real host files under the test's
// root folder (see sim_paths.hpp), with Windows' rules where they differ from
// POSIX (a read-only file or one still being written cannot be replaced or
// deleted, an empty path or one of MAX_PATH characters names nothing).
// Faults can be injected to stand in for a full or failing disk.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ports/file_system_port.hpp"

namespace sim {

class SimFileSystem : public FileSystemPort {
public:
    SimFileSystem();

    std::uint32_t attributes(const std::string& path) override;
    bool fileExists(const std::string& path) override;
    bool createDirectory(const std::string& path) override;
    std::unique_ptr<WritableFile> createNew(const std::string& path) override;
    bool replace(const std::string& from, const std::string& to) override;
    Move moveToFreeName(const std::string& from, const std::string& to) override;
    bool remove(const std::string& path) override;
    std::vector<std::string> fileNames(const std::string& folder, const std::string& pattern) override;

    // The disk fills up after this many more bytes, written through any file
    // of this file system: the write that crosses the limit stores what fits
    // and fails, and so does every later one. std::nullopt lifts the limit.
    void failWritesAfter(std::optional<std::uintmax_t> bytes);
    // createNew fails without touching the disk.
    void failCreate(bool fail);
    // finish() closes the file but reports failure, as a failed flush would.
    void failFinish(bool fail);
    // replace and moveToFreeName fail and leave both files as they were.
    void failReplace(bool fail);
    // Runs right before a move into place, as another program's file may
    // appear at any moment.
    std::function<void(const std::string& to)> beforeMove;

    struct Shared {
        std::optional<std::uintmax_t> writeBudget;
        bool create = false;
        bool finish = false;
        bool replace = false;
        std::vector<std::string> open;  // host paths of the files being written
    };

private:
    bool isOpen(const std::string& path) const;

    // The injected faults and the files being written, shared with the open
    // files, which may outlive this object.
    std::shared_ptr<Shared> shared_;
};

}  // namespace sim
