#include "platform/sim/system/sim_file_system.hpp"

#include <dirent.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>

#include "platform/sim/system/sim_paths.hpp"
#include "ports/win_constants.hpp"
#include "text/sjis.hpp"

namespace sim {
namespace {

constexpr std::uint32_t kReadOnly = 0x01;
constexpr std::uint32_t kArchive = 0x20;

constexpr std::size_t kMaxPath = 260;

// Windows' ANSI file functions name nothing at MAX_PATH characters or more
// (every CP932 character is one UTF-16 character).
bool namable(const std::string& path) { return !path.empty() && sjis::charCount(path) < kMaxPath; }

// Windows knows no file by the empty name, while the mapped host path of ""
// would be the simulated current folder.
bool statPath(const std::string& path, struct stat& st) {
    return namable(path) && ::stat(hostPath(path).c_str(), &st) == 0;
}

// Tests run as root too, where access(W_OK) always succeeds, so the
// read-only attribute follows the owner's write bit.
bool readOnly(const struct stat& st) { return (st.st_mode & S_IWUSR) == 0; }

class SimWritableFile : public WritableFile {
public:
    SimWritableFile(int fd, std::string hostPath, std::shared_ptr<SimFileSystem::Shared> shared)
        : fd_(fd), hostPath_(std::move(hostPath)), shared_(std::move(shared)) {
        shared_->open.push_back(hostPath_);
    }
    ~SimWritableFile() override { close(); }
    SimWritableFile(const SimWritableFile&) = delete;
    SimWritableFile& operator=(const SimWritableFile&) = delete;

    bool write(std::string_view bytes) override {
        if (fd_ < 0) return false;
        bool full = false;
        if (auto& budget = shared_->writeBudget) {
            if (bytes.size() > *budget) {
                bytes = bytes.substr(0, static_cast<std::size_t>(*budget));
                full = true;
            }
            *budget -= bytes.size();
        }
        while (!bytes.empty()) {
            const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
            if (n < 0) {
                if (errno == EINTR) continue;
                return false;
            }
            bytes.remove_prefix(static_cast<std::size_t>(n));
        }
        return !full;
    }

    bool finish() override {
        if (fd_ < 0) return false;
        const bool synced = ::fsync(fd_) == 0;
        const bool closed = close();
        return synced && closed && !shared_->finish;
    }

private:
    bool close() {
        if (fd_ < 0) return false;
        const bool closed = ::close(fd_) == 0;
        fd_ = -1;
        auto& open = shared_->open;
        open.erase(std::find(open.begin(), open.end(), hostPath_));
        return closed;
    }

    int fd_;
    std::string hostPath_;
    std::shared_ptr<SimFileSystem::Shared> shared_;
};

}  // namespace

SimFileSystem::SimFileSystem() : shared_(std::make_shared<Shared>()) {}

std::uint32_t SimFileSystem::attributes(const std::string& path) {
    struct stat st {};
    if (!statPath(path, st)) return win::kInvalidFileAttributes;
    const std::uint32_t kind = S_ISDIR(st.st_mode) ? win::kFileAttributeDirectory : kArchive;
    return kind | (readOnly(st) ? kReadOnly : 0u);
}

bool SimFileSystem::fileExists(const std::string& path) {
    struct stat st {};
    return statPath(path, st) && !S_ISDIR(st.st_mode);
}

bool SimFileSystem::createDirectory(const std::string& path) {
    return !path.empty() && ::mkdir(hostPath(path).c_str(), 0777) == 0;
}

std::unique_ptr<WritableFile> SimFileSystem::createNew(const std::string& path) {
    if (!namable(path) || shared_->create) return nullptr;
    std::string host = hostPath(path);
    const int fd = ::open(host.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) return nullptr;
    return std::make_unique<SimWritableFile>(fd, std::move(host), shared_);
}

// A file being written is open without sharing: it can be neither moved nor
// deleted until it is closed (a sharing violation on Windows).
bool SimFileSystem::isOpen(const std::string& path) const {
    const std::string host = hostPath(path);
    return std::find(shared_->open.begin(), shared_->open.end(), host) != shared_->open.end();
}

bool SimFileSystem::replace(const std::string& from, const std::string& to) {
    if (beforeMove) beforeMove(to);
    if (!namable(from) || !namable(to) || shared_->replace || isOpen(from) || isOpen(to)) return false;
    struct stat target {};
    if (statPath(to, target) && readOnly(target)) return false;  // access denied on Windows
    return std::rename(hostPath(from).c_str(), hostPath(to).c_str()) == 0;
}

FileSystemPort::Move SimFileSystem::moveToFreeName(const std::string& from, const std::string& to) {
    if (beforeMove) beforeMove(to);
    if (!namable(from) || !namable(to) || shared_->replace || isOpen(from)) return Move::Failed;
    struct stat st {};
    if (statPath(to, st)) return Move::NameTaken;
    // A link fails on a taken name, where a rename would replace it.
    if (::link(hostPath(from).c_str(), hostPath(to).c_str()) != 0) return errno == EEXIST ? Move::NameTaken : Move::Failed;
    ::unlink(hostPath(from).c_str());
    return Move::Moved;
}

bool SimFileSystem::remove(const std::string& path) {
    struct stat st {};
    if (!statPath(path, st) || S_ISDIR(st.st_mode) || readOnly(st) || isOpen(path)) return false;
    return ::unlink(hostPath(path).c_str()) == 0;
}

std::vector<std::string> SimFileSystem::fileNames(const std::string& folder, const std::string& pattern) {
    std::vector<std::string> names;
    if (!namable(folder + pattern)) return names;
    // The host folder that names in `folder` map into.
    std::string host = hostPath(folder + "x");
    host.erase(host.rfind('/'));
    DIR* dir = ::opendir(host.c_str());
    if (dir == nullptr) return names;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        struct stat st {};
        if (::fnmatch(pattern.c_str(), name.c_str(), FNM_CASEFOLD) != 0) continue;
        if (::stat((host + '/').append(name).c_str(), &st) == 0 && !S_ISDIR(st.st_mode)) names.push_back(name);
    }
    ::closedir(dir);
    return names;
}

void SimFileSystem::failWritesAfter(std::optional<std::uintmax_t> bytes) { shared_->writeBudget = bytes; }
void SimFileSystem::failCreate(bool fail) { shared_->create = fail; }
void SimFileSystem::failFinish(bool fail) { shared_->finish = fail; }
void SimFileSystem::failReplace(bool fail) { shared_->replace = fail; }

}  // namespace sim
