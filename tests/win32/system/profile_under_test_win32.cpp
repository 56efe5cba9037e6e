// The system's private-profile functions on real files in a temporary folder.
#include <windows.h>

#include <cstdio>
#include <memory>
#include <stdexcept>

#include "platform/win32/system/win32_profile.hpp"
#include "shared/profile_under_test.hpp"
#include "win32/system/test_folders.hpp"

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

class Win32ProfileUnderTest : public ProfileUnderTest {
public:
    Win32ProfileUnderTest() {
        char temp[MAX_PATH + 1] = {};
        const DWORD n = GetTempPathA(sizeof temp, temp);
        if (n == 0 || n > MAX_PATH) throw std::runtime_error("GetTempPathA failed");
        static unsigned counter = 0;
        for (;;) {
            folder_ = std::string(temp) + "orvexlog-profile-" + std::to_string(GetCurrentProcessId()) + "-" +
                      std::to_string(++counter);
            if (CreateDirectoryA(folder_.c_str(), nullptr)) break;
            if (GetLastError() != ERROR_ALREADY_EXISTS) throw std::runtime_error("CreateDirectoryA failed");
        }
    }
    ~Win32ProfileUnderTest() override { removeTree(folder_); }
    Win32ProfileUnderTest(const Win32ProfileUnderTest&) = delete;
    Win32ProfileUnderTest& operator=(const Win32ProfileUnderTest&) = delete;

    ProfilePort& profile() override { return profile_; }
    std::string folder() override { return folder_; }
    std::string windowsDirectory() override {
        char buffer[MAX_PATH + 1] = {};
        const UINT n = GetWindowsDirectoryA(buffer, sizeof buffer);
        return std::string(buffer, n <= MAX_PATH ? n : 0);
    }
    void makeFolder(const std::string& path) override { CreateDirectoryA(path.c_str(), nullptr); }
    void writeBytes(const std::string& path, const std::string& bytes) override {
        File f(std::fopen(path.c_str(), "wb"));
        if (!f || std::fwrite(bytes.data(), 1, bytes.size(), f.get()) != bytes.size())
            throw std::runtime_error("cannot write " + path);
    }
    std::string readBytes(const std::string& path) override {
        File f(std::fopen(path.c_str(), "rb"));
        std::string bytes;
        if (!f) return bytes;
        char buffer[4096];
        std::size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, f.get())) > 0) bytes.append(buffer, n);
        return bytes;
    }
    bool fileExists(const std::string& path) override {
        const DWORD attributes = GetFileAttributesA(path.c_str());
        return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
    }
    void removeFile(const std::string& path) override { DeleteFileA(path.c_str()); }

private:
    std::string folder_;
    Win32Profile profile_;
};

}  // namespace

std::unique_ptr<ProfileUnderTest> makeProfileUnderTest() { return std::make_unique<Win32ProfileUnderTest>(); }
