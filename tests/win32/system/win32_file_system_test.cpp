// The Win32 file system and the folder routines against the real API.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include <windows.h>

#include "errors/app_error.hpp"
#include "platform/win32/handles/unique_handle.hpp"
#include "platform/win32/system/win32_file_system.hpp"
#include "settings/folder_paths.hpp"
#include "shared/sjis_samples.hpp"
#include "win32/system/test_folders.hpp"

namespace {

DWORD WINAPI closeAfterHalfASecond(void* file) {
    Sleep(500);
    return CloseHandle(static_cast<HANDLE>(file));
}

// A fresh folder under the user's temporary folder, removed afterwards.
class Win32FileSystemTest : public ::testing::Test {
protected:
    void SetUp() override {
        char temp[MAX_PATH + 1] = {};
        ASSERT_NE(GetTempPathA(sizeof temp, temp), 0u);
        root_ = std::string(temp) + "orvexlog-fs-" + std::to_string(GetCurrentProcessId()) + "-" +
                std::to_string(GetTickCount());
        ASSERT_TRUE(CreateDirectoryA(root_.c_str(), nullptr));
    }
    void TearDown() override {
        if (!root_.empty()) removeTree(root_);
    }
    std::string at(const std::string& relative) const { return root_ + "\\" + relative; }

    static void writeFile(const std::string& path, const std::string& bytes) {
        const UniqueFile file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        ASSERT_TRUE(file);
        DWORD written = 0;
        ASSERT_TRUE(WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr));
    }
    static std::string readFile(const std::string& path) {
        const UniqueFile file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
        if (!file) return "<missing>";
        std::string bytes(4096, '\0');
        DWORD read = 0;
        if (!ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr)) return "<unreadable>";
        bytes.resize(read);
        return bytes;
    }

    std::string root_;
    Win32FileSystem files_;
};

}  // namespace

TEST_F(Win32FileSystemTest, CreateNewWritesOnlyFilesThatDoNotExist) {
    auto file = files_.createNew(at("new.rtf"));
    ASSERT_NE(file, nullptr);
    // Nobody else may open it while it is being written.
    EXPECT_EQ(readFile(at("new.rtf")), "<missing>");
    EXPECT_TRUE(file->write("{\\rtf1 "));
    EXPECT_TRUE(file->write("}"));
    EXPECT_TRUE(file->finish());
    EXPECT_FALSE(file->finish());
    EXPECT_FALSE(file->write("x"));
    EXPECT_EQ(readFile(at("new.rtf")), "{\\rtf1 }");

    EXPECT_EQ(files_.createNew(at("new.rtf")), nullptr);
    EXPECT_EQ(readFile(at("new.rtf")), "{\\rtf1 }");
    EXPECT_EQ(files_.createNew(at("Missing\\x.rtf")), nullptr);

    files_.createNew(at("dropped.rtf"))->write("abc");  // closed by its owner without finish
    EXPECT_EQ(readFile(at("dropped.rtf")), "abc");
    EXPECT_TRUE(files_.remove(at("dropped.rtf")));
    EXPECT_EQ(files_.attributes(at("dropped.rtf")), INVALID_FILE_ATTRIBUTES);
}

TEST_F(Win32FileSystemTest, AFileBeingWrittenCannotBeRemovedAndFileNamesListOnlyFiles) {
    auto file = files_.createNew(at("~OrvexLog1.tmp"));
    ASSERT_NE(file, nullptr);
    // Another save's temporary file, still open: a cleanup must not take it.
    EXPECT_FALSE(files_.remove(at("~OrvexLog1.tmp")));
    writeFile(at("~OrvexLog2.tmp"), "x");
    writeFile(at("log.rtf"), "x");
    ASSERT_TRUE(CreateDirectoryA(at("~OrvexLog3.tmp").c_str(), nullptr));
    std::vector<std::string> names = files_.fileNames(root_ + "\\", "~o*.TMP");
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"~OrvexLog1.tmp", "~OrvexLog2.tmp"}));
    EXPECT_TRUE(files_.fileNames(at("none\\"), "*").empty());
    EXPECT_TRUE(file->finish());
    EXPECT_TRUE(files_.remove(at("~OrvexLog1.tmp")));
}

TEST_F(Win32FileSystemTest, ReplaceMovesOverAnExistingFile) {
    writeFile(at("log.rtf"), "old log");
    writeFile(at("log.tmp"), "new log");
    EXPECT_TRUE(files_.replace(at("log.tmp"), at("log.rtf")));
    EXPECT_EQ(readFile(at("log.rtf")), "new log");
    EXPECT_EQ(files_.attributes(at("log.tmp")), INVALID_FILE_ATTRIBUTES);
    EXPECT_FALSE(files_.replace(at("log.tmp"), at("log.rtf")));
    EXPECT_EQ(readFile(at("log.rtf")), "new log");

    // Held for half a second by another reader (a virus scanner) without
    // delete sharing: replaced once it lets go.
    writeFile(at("log.tmp"), "newer log");
    HANDLE held = CreateFileA(at("log.rtf").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const UniqueKernelHandle release(CreateThread(nullptr, 0, closeAfterHalfASecond, held, 0, nullptr));
    EXPECT_TRUE(files_.replace(at("log.tmp"), at("log.rtf")));
    WaitForSingleObject(release.get(), INFINITE);
    EXPECT_EQ(readFile(at("log.rtf")), "newer log");

    // A numbered log's move never replaces: a taken name is reported as such.
    writeFile(at("log.tmp"), "numbered log");
    EXPECT_EQ(files_.moveToFreeName(at("log.tmp"), at("log.rtf")), FileSystemPort::Move::NameTaken);
    EXPECT_EQ(readFile(at("log.rtf")), "newer log");
    EXPECT_EQ(files_.moveToFreeName(at("log.tmp"), at("log2.rtf")), FileSystemPort::Move::Moved);
    EXPECT_EQ(readFile(at("log2.rtf")), "numbered log");
}

TEST_F(Win32FileSystemTest, AttributesAndFileTests) {
    ASSERT_TRUE(CreateDirectoryA(at("Logs").c_str(), nullptr));
    writeFile(at("a.txt"), "x");
    EXPECT_NE(files_.attributes(at("Logs")) & FILE_ATTRIBUTE_DIRECTORY, 0u);
    EXPECT_NE(files_.attributes(at("Logs")), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(files_.attributes(at("a.txt")) & FILE_ATTRIBUTE_DIRECTORY, 0u);
    EXPECT_EQ(files_.attributes(at("none")), INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(files_.fileExists(at("a.txt")));
    EXPECT_FALSE(files_.fileExists(at("Logs")));
    EXPECT_FALSE(files_.fileExists(at("none")));
    EXPECT_FALSE(files_.fileExists(at("*.txt")));
    EXPECT_FALSE(files_.fileExists(""));
    EXPECT_FALSE(files_.remove(at("Logs")));
}

TEST_F(Win32FileSystemTest, FolderRoutinesOnRealFolders) {
    EXPECT_TRUE(FolderExists(files_, root_));
    EXPECT_TRUE(FolderExists(files_, root_.substr(0, 3)));  // the drive root, e.g. C:\ ...
    EXPECT_FALSE(FolderExists(files_, at("none")));
    EXPECT_FALSE(FolderExists(files_, ""));

    CreateFolderChain(files_, at("Logs\\2024\\"), root_);
    EXPECT_TRUE(FolderExists(files_, at("Logs\\2024")));
    EXPECT_NO_THROW(CreateFolderChain(files_, at("Logs"), root_));
    // Relative: in the given program folder, not the current one, and only
    // where the chain reaches from the first folder.
    CreateFolderChain(files_, "Logs\\New", root_);
    EXPECT_TRUE(FolderExists(files_, at("Logs\\New")));
    EXPECT_THROW(CreateFolderChain(files_, "Missing\\New", root_), AppError);
    EXPECT_FALSE(FolderExists(files_, at("Missing")));

    writeFile(at("A"), "keep");
    EXPECT_FALSE(FolderExists(files_, at("A")));
    EXPECT_THROW(CreateFolderChain(files_, at("A\\B"), root_), AppError);
    EXPECT_EQ(readFile(at("A")), "keep");
}

TEST_F(Win32FileSystemTest, DoubleByteFolderWithSeparatorByteIsOneFolder) {
    if (GetACP() != 932) GTEST_SKIP() << "needs the Japanese ANSI code page";
    CreateFolderChain(files_, at(kHyo + "\\Logs"), root_);
    EXPECT_TRUE(FolderExists(files_, at(kHyo)));
    EXPECT_TRUE(FolderExists(files_, at(kHyo + "\\Logs")));
    // One folder was made at the top, named 表 itself, not its lead byte.
    std::vector<std::string> names;
    WIN32_FIND_DATAA found{};
    const UniqueFind search(FindFirstFileA(at("*").c_str(), &found));
    ASSERT_TRUE(search);
    do {
        const std::string name = found.cFileName;
        if (name != "." && name != "..") names.push_back(name);
    } while (FindNextFileA(search.get(), &found));
    EXPECT_EQ(names, std::vector<std::string>{kHyo});
}
