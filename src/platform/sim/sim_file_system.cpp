#include "platform/sim/sim_file_system.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "platform/sim/sim_paths.hpp"
#include "platform/win_constants.hpp"

namespace sim {
namespace {

constexpr std::uint32_t kReadOnly = 0x01;
constexpr std::uint32_t kArchive = 0x20;

// Windows knows no file by the empty name, while the mapped host path of ""
// would be the simulated current folder.
bool statPath(const std::string& path, struct stat& st) {
    return !path.empty() && ::stat(hostPath(path).c_str(), &st) == 0;
}

// Tests run as root too, where access(W_OK) always succeeds, so the
// read-only attribute follows the owner's write bit.
bool readOnly(const struct stat& st) { return (st.st_mode & S_IWUSR) == 0; }

class SimWritableFile : public WritableFile {
public:
    SimWritableFile(int fd, std::shared_ptr<SimFileSystem::Faults> faults)
        : fd_(fd), faults_(std::move(faults)) {}
    ~SimWritableFile() override {
        if (fd_ >= 0) ::close(fd_);
    }
    SimWritableFile(const SimWritableFile&) = delete;
    SimWritableFile& operator=(const SimWritableFile&) = delete;

    bool write(std::string_view bytes) override {
        if (fd_ < 0) return false;
        bool full = false;
        if (auto& budget = faults_->writeBudget) {
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
        const bool closed = ::close(fd_) == 0;
        fd_ = -1;
        return synced && closed && !faults_->finish;
    }

private:
    int fd_;
    std::shared_ptr<SimFileSystem::Faults> faults_;
};

}  // namespace

SimFileSystem::SimFileSystem() : faults_(std::make_shared<Faults>()) {}

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
    if (path.empty() || faults_->create) return nullptr;
    const int fd = ::open(hostPath(path).c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) return nullptr;
    return std::make_unique<SimWritableFile>(fd, faults_);
}

bool SimFileSystem::replace(const std::string& from, const std::string& to) {
    if (from.empty() || to.empty() || faults_->replace) return false;
    struct stat target {};
    if (statPath(to, target) && readOnly(target)) return false;  // access denied on Windows
    return std::rename(hostPath(from).c_str(), hostPath(to).c_str()) == 0;
}

bool SimFileSystem::remove(const std::string& path) {
    struct stat st {};
    if (!statPath(path, st) || S_ISDIR(st.st_mode) || readOnly(st)) return false;
    return ::unlink(hostPath(path).c_str()) == 0;
}

void SimFileSystem::failWritesAfter(std::optional<std::uintmax_t> bytes) { faults_->writeBudget = bytes; }
void SimFileSystem::failCreate(bool fail) { faults_->create = fail; }
void SimFileSystem::failFinish(bool fail) { faults_->finish = fail; }
void SimFileSystem::failReplace(bool fail) { faults_->replace = fail; }

}  // namespace sim
