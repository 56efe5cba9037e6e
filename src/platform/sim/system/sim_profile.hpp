#pragma once
// Private-profile files of the simulated desktop: real files under the
// simulated drives, read and written with the same rules as the system
// functions (IniDocument). A bare file name ("orvex3.ini") lives in the
// Windows directory, as with the system functions.
#include <cstddef>
#include <string>
#include <vector>

#include "ports/profile_port.hpp"

namespace sim {

class SimProfile : public ProfilePort {
public:
    // windowsDirectory: e.g. "C:\WINDOWS", without a trailing "\".
    explicit SimProfile(std::string windowsDirectory) : windowsDirectory_(std::move(windowsDirectory)) {}
    void setWindowsDirectory(std::string folder) { windowsDirectory_ = std::move(folder); }

    std::string read(const std::string& file, const std::string& section, const std::string& key,
                     const std::string& def) override;
    std::vector<std::string> keyNames(const std::string& file, const std::string& section) override;
    // The file is replaced through a temporary file in the same folder, so a
    // failed write leaves it as it was.
    bool write(const std::string& file, const std::string& section, const std::string& key,
               const std::string& value) override;

    // The Windows path that a profile file name stands for.
    std::string resolve(const std::string& file) const;

    // How many values have been read, for tests that bound the reads.
    std::size_t readCount() const { return readCount_; }

private:
    std::string windowsDirectory_;
    std::size_t readCount_ = 0;
};

}  // namespace sim
