#include "platform/sim/sim_paths.hpp"

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
    std::string rest = windowsPath;
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
    } else if (!rest.empty() && rest[0] != '\\') {
        prefix += "/cwd/";
    } else {
        prefix += "/C";
    }
    std::string out = prefix;
    for (std::size_t i = 0; i < rest.size(); i += sjis::charLength(rest, i)) {
        const std::size_t n = sjis::charLength(rest, i);
        if (n == 1 && rest[i] == '\\') out += '/';
        else out.append(rest, i, n);
    }
    return out;
}

}  // namespace sim
