#include "platform/win32/system/win32_profile.hpp"

#include <windows.h>

#include <algorithm>

namespace {
constexpr DWORD kValueBuffer = 2048;
// Key lists have no fixed limit; the buffer grows up to this size.
constexpr DWORD kMaxListBuffer = 64u * 1024u * 1024u;
}  // namespace

std::string Win32Profile::read(const std::string& file, const std::string& section, const std::string& key,
                               const std::string& def) {
    // When the value is longer than the buffer and a double-byte character
    // straddles its end, the function reports the full buffer but leaves the
    // last byte unwritten; the zeroed buffer makes that byte end the value.
    std::string buffer(kValueBuffer, '\0');
    const DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), def.c_str(), buffer.data(),
                                                  kValueBuffer, file.c_str());
    buffer.resize(std::min<std::size_t>(buffer.find('\0'), length));
    return buffer;
}

std::vector<std::string> Win32Profile::keyNames(const std::string& file, const std::string& section) {
    // Names, each ended by a NUL; a full buffer reports its size less two.
    std::string buffer;
    DWORD length = 0;
    for (DWORD size = 4096;; size *= 2) {
        buffer.assign(size, '\0');
        length = GetPrivateProfileStringA(section.c_str(), nullptr, "", buffer.data(), size, file.c_str());
        if (length + 2 < size || size >= kMaxListBuffer) break;
    }
    std::vector<std::string> names;
    std::size_t pos = 0;
    while (pos < length) {
        std::size_t end = buffer.find('\0', pos);
        if (end == std::string::npos || end > length) end = length;
        names.push_back(buffer.substr(pos, end - pos));
        pos = end + 1;
    }
    return names;
}

bool Win32Profile::write(const std::string& file, const std::string& section, const std::string& key,
                         const std::string& value) {
    return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), file.c_str()) != 0;
}
