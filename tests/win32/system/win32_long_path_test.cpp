// Paths of MAX_PATH characters or more: the existence test (GetFileAttributesA)
// cannot see a file there, so the file system port must never write one,
// or a save would replace a log that the search for a free name missed.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <windows.h>

#include "platform/win32/handles/unique_handle.hpp"
#include "platform/win32/system/win32_file_system.hpp"

namespace {

// The long form (\\?\) reaches any length, as another program's could.
std::wstring longForm(const std::string& path) {
    std::wstring wide(path.size(), L'\0');
    wide.resize(static_cast<std::size_t>(
        MultiByteToWideChar(CP_ACP, 0, path.data(), static_cast<int>(path.size()), wide.data(),
                            static_cast<int>(wide.size()))));
    return L"\\\\?\\" + wide;
}

void writeLong(const std::string& path, const std::string& bytes) {
    const UniqueFile file(
        CreateFileW(longForm(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    ASSERT_TRUE(file);
    DWORD written = 0;
    ASSERT_TRUE(WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr));
}

std::string readLong(const std::string& path) {
    const UniqueFile file(
        CreateFileW(longForm(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file) return "<missing>";
    std::string bytes(256, '\0');
    DWORD read = 0;
    if (!ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr)) return "<unreadable>";
    bytes.resize(read);
    return bytes;
}

class Win32LongPathTest : public ::testing::Test {
protected:
    void SetUp() override {
        char temp[MAX_PATH + 1] = {};
        ASSERT_NE(GetTempPathA(sizeof temp, temp), 0u);
        root_ = std::string(temp) + "orvexlog-long-" + std::to_string(GetCurrentProcessId());
        folder_ = root_;
        ASSERT_TRUE(CreateDirectoryA(folder_.c_str(), nullptr));
        // A folder that a name of 14 characters still fits into, deep enough
        // that a name of 30 does not.
        while (folder_.size() < 235) {
            folder_ += "\\aaaaaaaa";
            folders_.push_back(folder_);
            ASSERT_TRUE(CreateDirectoryA(folder_.c_str(), nullptr));
        }
        longName_ = folder_ + "\\" + std::string(26, 'n') + ".rtf";
        ASSERT_GE(longName_.size(), static_cast<std::size_t>(MAX_PATH));
    }
    void TearDown() override {
        for (const char* name : {"\\~OrvexLog1.tmp", "\\short.rtf"}) DeleteFileW(longForm(folder_ + name).c_str());
        DeleteFileW(longForm(longName_).c_str());
        for (auto it = folders_.rbegin(); it != folders_.rend(); ++it) RemoveDirectoryA(it->c_str());
        RemoveDirectoryA(root_.c_str());
    }

    std::string root_, folder_, longName_;
    std::vector<std::string> folders_;
    Win32FileSystem files_;
};

}  // namespace

TEST_F(Win32LongPathTest, NothingIsWrittenAtAPathTheExistenceTestCannotSee) {
    writeLong(longName_, "earlier log");
    auto temporary = files_.createNew(folder_ + "\\~OrvexLog1.tmp");
    ASSERT_NE(temporary, nullptr);
    ASSERT_TRUE(temporary->write("new log"));
    ASSERT_TRUE(temporary->finish());
    temporary.reset();

    EXPECT_FALSE(files_.replace(folder_ + "\\~OrvexLog1.tmp", longName_));
    EXPECT_EQ(readLong(longName_), "earlier log");
    EXPECT_EQ(files_.createNew(longName_), nullptr);
    EXPECT_EQ(readLong(longName_), "earlier log");

    // A name that fits is written as ever.
    EXPECT_TRUE(files_.replace(folder_ + "\\~OrvexLog1.tmp", folder_ + "\\short.rtf"));
    EXPECT_EQ(readLong(folder_ + "\\short.rtf"), "new log");
}
