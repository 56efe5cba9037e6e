#include "platform/win32/system/win32_file_system.hpp"

#include <algorithm>

#include "platform/win32/handles/unique_handle.hpp"
#include "text/sjis.hpp"

namespace {

// Windows' ANSI file functions take paths shorter than MAX_PATH characters
// (the program declares no long-path awareness), so GetFileAttributesA cannot
// see a file at a longer path. Wine's MoveFileExA moves onto such a path all
// the same, and would replace a log that the search for a free name could not
// see; a path the existence test cannot examine is therefore never written.
bool withinMaxPath(const std::string& path) {
    const int characters = MultiByteToWideChar(CP_ACP, 0, path.data(), static_cast<int>(path.size()), nullptr, 0);
    return characters < MAX_PATH;
}

// A file opened for writing; closed by its owner on every path.
class Win32WritableFile : public WritableFile {
public:
    explicit Win32WritableFile(UniqueFile file) : file_(std::move(file)) {}

    bool write(std::string_view bytes) override {
        if (!file_) return false;
        // WriteFile takes a DWORD count; write in pieces that always fit one.
        constexpr std::size_t kMaxChunk = 1u << 30;
        while (!bytes.empty()) {
            const DWORD chunk = static_cast<DWORD>(std::min(bytes.size(), kMaxChunk));
            DWORD written = 0;
            if (!WriteFile(file_.get(), bytes.data(), chunk, &written, nullptr) || written != chunk) return false;
            bytes.remove_prefix(chunk);
        }
        return true;
    }

    // Wine ignores MOVEFILE_WRITE_THROUGH, so the data is flushed here,
    // before the file is closed and moved into place.
    bool finish() override {
        if (!file_) return false;
        const bool flushed = FlushFileBuffers(file_.get()) != 0;
        const bool closed = CloseHandle(file_.release()) != 0;
        return flushed && closed;
    }

private:
    UniqueFile file_;
};

}  // namespace

std::uint32_t Win32FileSystem::attributes(const std::string& path) {
    return GetFileAttributesA(path.c_str());
}

bool Win32FileSystem::fileExists(const std::string& path) {
    // FindFirstFileA takes wildcards; a name holding one is no file's name.
    if (sjis::containsAnyOf(path, "*?")) return false;
    WIN32_FIND_DATAA found{};
    const UniqueFind search(FindFirstFileA(path.c_str(), &found));
    return search && (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool Win32FileSystem::createDirectory(const std::string& path) {
    return CreateDirectoryA(path.c_str(), nullptr) != 0;
}

std::unique_ptr<WritableFile> Win32FileSystem::createNew(const std::string& path) {
    if (!withinMaxPath(path)) return nullptr;
    UniqueFile file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return nullptr;
    return std::make_unique<Win32WritableFile>(std::move(file));
}

namespace {

// A virus scanner or an indexer opens a new file, or the log it is to
// replace, for a moment: the move fails with a sharing or access error
// meanwhile. It is tried again for about a second before it counts as failed;
// the last error is kept for the caller.
bool moveWhileHeldBriefly(const std::string& from, const std::string& to, DWORD flags) {
    constexpr DWORD kHeldForMs = 1000;
    constexpr DWORD kPauseMs = 50;
    const DWORD start = GetTickCount();
    for (;;) {
        if (MoveFileExA(from.c_str(), to.c_str(), flags)) return true;
        const DWORD error = GetLastError();
        const bool held = error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION ||
                          error == ERROR_ACCESS_DENIED;
        if (!held || GetTickCount() - start >= kHeldForMs) return false;
        Sleep(kPauseMs);
    }
}

}  // namespace

// Never ReplaceFileA: it is not atomic under Wine.
bool Win32FileSystem::replace(const std::string& from, const std::string& to) {
    if (!withinMaxPath(from) || !withinMaxPath(to)) return false;
    return moveWhileHeldBriefly(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}

FileSystemPort::Move Win32FileSystem::moveToFreeName(const std::string& from, const std::string& to) {
    if (!withinMaxPath(from) || !withinMaxPath(to)) return Move::Failed;
    if (moveWhileHeldBriefly(from, to, MOVEFILE_WRITE_THROUGH)) return Move::Moved;
    const DWORD error = GetLastError();
    return error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS ? Move::NameTaken : Move::Failed;
}

bool Win32FileSystem::remove(const std::string& path) {
    if (!withinMaxPath(path)) return false;
    return DeleteFileA(path.c_str()) != 0;
}

std::vector<std::string> Win32FileSystem::fileNames(const std::string& folder, const std::string& pattern) {
    std::vector<std::string> names;
    const std::string search = folder + pattern;
    if (!withinMaxPath(search)) return names;
    WIN32_FIND_DATAA found{};
    const UniqueFind handle(FindFirstFileA(search.c_str(), &found));
    if (!handle) return names;
    do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) names.emplace_back(found.cFileName);
    } while (FindNextFileA(handle.get(), &found) != 0);
    return names;
}
