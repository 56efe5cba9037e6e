#include "platform/sim/system/sim_profile.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <optional>
#include <string_view>

#include "platform/sim/system/sim_paths.hpp"
#include "settings/ini_document.hpp"
#include "text/sjis.hpp"

namespace sim {
namespace {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() { close(); }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }
    bool close() {
        if (fd_ < 0) return true;
        const bool ok = ::close(fd_) == 0;
        fd_ = -1;
        return ok;
    }

private:
    int fd_;
};

// The bytes of a regular file, or nothing when there is no readable file.
std::optional<std::string> readFile(const std::string& hostFile) {
    FileDescriptor fd(::open(hostFile.c_str(), O_RDONLY));
    struct stat st {};
    if (fd.get() < 0 || ::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
    std::string bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0) return std::nullopt;
        if (n == 0) break;
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    return bytes;
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// Tests also run as root, where the system would let every write through, so
// a missing owner write bit stands for a read-only file or a folder that the
// user may not write to.
bool ownerMayWrite(const struct stat& st) { return (st.st_mode & S_IWUSR) != 0; }

// Writes the new contents beside the file and moves them over it.
bool replaceFile(const std::string& hostFile, std::string_view bytes) {
    const std::size_t slash = hostFile.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : hostFile.substr(0, slash);
    struct stat st {};
    if (::stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || !ownerMayWrite(st)) return false;

    std::string temp = hostFile + ".XXXXXX";
    FileDescriptor fd(::mkstemp(temp.data()));
    if (fd.get() < 0) return false;
    const bool written = writeAll(fd.get(), bytes) && ::fsync(fd.get()) == 0 && ::fchmod(fd.get(), 0644) == 0;
    if (!fd.close() || !written || ::rename(temp.c_str(), hostFile.c_str()) != 0) {
        ::unlink(temp.c_str());
        return false;
    }
    return true;
}

}  // namespace

std::string SimProfile::resolve(const std::string& file) const {
    if (sjis::containsAnyOf(file, "\\/:")) return file;
    if (sjis::endsWithChar(windowsDirectory_, '\\')) return windowsDirectory_ + file;
    return windowsDirectory_ + "\\" + file;
}

std::string SimProfile::read(const std::string& file, const std::string& section, const std::string& key,
                             const std::string& def) {
    ++readCount_;
    const std::optional<std::string> bytes = readFile(hostPath(resolve(file)));
    if (!bytes) return IniDocument::defaultValue(def);
    return IniDocument(*bytes).read(section, key, def);
}

std::vector<std::string> SimProfile::keyNames(const std::string& file, const std::string& section) {
    const std::optional<std::string> bytes = readFile(hostPath(resolve(file)));
    if (!bytes) return {};
    return IniDocument(*bytes).keyNames(section);
}

bool SimProfile::write(const std::string& file, const std::string& section, const std::string& key,
                       const std::string& value) {
    const std::string host = hostPath(resolve(file));
    std::string current;
    struct stat st {};
    if (::stat(host.c_str(), &st) == 0) {
        if (!S_ISREG(st.st_mode) || !ownerMayWrite(st)) return false;
        std::optional<std::string> bytes = readFile(host);
        if (!bytes) return false;
        current = std::move(*bytes);
    }
    IniDocument document(std::move(current));
    if (!document.write(section, key, value)) return true;
    return replaceFile(host, document.bytes());
}

}  // namespace sim
