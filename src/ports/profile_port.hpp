#pragma once
// Private-profile (INI) files: GetPrivateProfileStringA and
// WritePrivateProfileStringA. A bare file name ("orvex3.ini") resolves to the
// Windows directory, as the system functions do.
#include <string>
#include <vector>

class ProfilePort {
public:
    virtual ~ProfilePort() = default;
    // The value (at most 2047 bytes), or `def` when the file, section or key is
    // missing. A key present with an empty value reads as "".
    virtual std::string read(const std::string& file, const std::string& section, const std::string& key,
                             const std::string& def) = 0;
    // Key names of a section (GetPrivateProfileStringA with no key).
    virtual std::vector<std::string> keyNames(const std::string& file, const std::string& section) = 0;
    // False when the write failed.
    virtual bool write(const std::string& file, const std::string& section, const std::string& key,
                       const std::string& value) = 0;
};
