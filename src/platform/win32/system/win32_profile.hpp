#pragma once
// Private-profile files through the system functions.
#include <string>
#include <vector>

#include "ports/profile_port.hpp"

class Win32Profile : public ProfilePort {
public:
    std::string read(const std::string& file, const std::string& section, const std::string& key,
                     const std::string& def) override;
    std::vector<std::string> keyNames(const std::string& file, const std::string& section) override;
    bool write(const std::string& file, const std::string& section, const std::string& key,
               const std::string& value) override;
};
