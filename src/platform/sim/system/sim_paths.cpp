#include "platform/sim/system/sim_paths.hpp"

#include <vector>

#include "text/sjis.hpp"

namespace sim {
namespace {
std::string& root() {
    static std::string r = "/tmp/orvexlog-sim";
    return r;
}
}  // namespace

void setFileRoot(const std::string& hostFolder) { root() = hostFolder; }
const std::string& fileRoot() { return root(); }

std::string hostPath(const std::string& windowsPath) {
    // The system calls take C strings: nothing from a NUL on is part of the path.
    std::string rest = windowsPath.substr(0, windowsPath.find('\0'));
    std::string prefix = root();
    if (rest.size() >= 2 && rest[1] == ':') {
        char drive = rest[0];
        if (drive >= 'a' && drive <= 'z') drive = static_cast<char>(drive - 'a' + 'A');
        prefix += '/';
        prefix += drive;
        rest = rest.substr(2);
    } else if (rest.rfind("\\\\", 0) == 0) {
        prefix += "/UNC";
        rest = rest.substr(1);
    } else if (!rest.empty() && rest[0] != '\\' && rest[0] != '/') {
        prefix += "/cwd";
    } else {
        prefix += "/C";
    }
    // Names are split at "\" and "/" as Windows does, and "." and ".." are
    // resolved here, never above the drive (or the share, or the current
    // folder), so that no path reaches a host file outside the root.
    std::vector<std::string> names;
    std::string name;
    bool trailingSeparator = false;
    const auto endName = [&] {
        if (name == "..") {
            if (!names.empty()) names.pop_back();
        } else if (!name.empty() && name != ".") {
            names.push_back(name);
        }
        name.clear();
    };
    for (std::size_t i = 0; i < rest.size(); i += sjis::charLength(rest, i)) {
        const std::size_t n = sjis::charLength(rest, i);
        trailingSeparator = n == 1 && (rest[i] == '\\' || rest[i] == '/');
        if (trailingSeparator) endName();
        else name.append(rest, i, n);
    }
    endName();
    std::string out = prefix;
    for (const std::string& each : names) out.append("/").append(each);
    if (trailingSeparator) out += '/';
    return out;
}

}  // namespace sim
