#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "errors/app_error.hpp"
#include "platform/sim/system/sim_file_system.hpp"
#include "platform/sim/system/sim_paths.hpp"
#include "settings/folder_paths.hpp"
#include "sim_file_root.hpp"

// ".." and "/" used to pass straight through to the host, so "C:\..\..\up"
// reached a folder beside the test's root. They resolve as on Windows now,
// never above the drive, the share or the current folder.
TEST(SimPaths, DotDotSlashAndNulStayUnderTheRoot) {
    SimFileRoot root;
    const std::string r = sim::fileRoot();
    EXPECT_EQ(sim::hostPath("C:\\..\\..\\up"), r + "/C/up");
    EXPECT_EQ(sim::hostPath("C:\\a\\.\\..\\b"), r + "/C/b");
    EXPECT_EQ(sim::hostPath("c:/x/../../y"), r + "/C/y");
    EXPECT_EQ(sim::hostPath("a\\..\\..\\x"), r + "/cwd/x");
    EXPECT_EQ(sim::hostPath("\\\\srv\\..\\..\\x"), r + "/UNC/x");
    const char withNul[] = "C:\\a\0\\..\\..\\x";
    EXPECT_EQ(sim::hostPath(std::string(withNul, sizeof withNul - 1)), r + "/C/a");
    // 表 (95 5C) is one name, whatever follows it.
    EXPECT_EQ(sim::hostPath("C:\\\x95\x5C\\..\\x"), r + "/C/x");
    EXPECT_EQ(sim::hostPath("C:\\\x95\x5C\\x"), r + "/C/\x95\x5C/x");
    // What did not change: a trailing separator, doubled separators, a drive root.
    EXPECT_EQ(sim::hostPath("C:\\Logs\\"), r + "/C/Logs/");
    EXPECT_EQ(sim::hostPath("D:\\a\\\\b"), r + "/D/a/b");
    EXPECT_EQ(sim::hostPath("C:\\"), r + "/C/");
    EXPECT_EQ(sim::hostPath("C:a"), r + "/C/a");
}

TEST(SimPaths, FolderChainWithDotDotIsCreatedInsideTheRoot) {
    SimFileRoot outer;
    const std::string inner = sim::fileRoot() + "/inner";
    std::filesystem::create_directories(inner + "/C");
    sim::setFileRoot(inner);
    sim::SimFileSystem files;
    CreateFolderChain(files, "C:\\..\\..\\up\\down", "C:\\Tools");
    EXPECT_TRUE(FolderExists(files, "C:\\up\\down"));
    EXPECT_TRUE(std::filesystem::is_directory(inner + "/C/up/down"));
    EXPECT_FALSE(std::filesystem::exists(inner + "/../up"));
    EXPECT_FALSE(std::filesystem::exists(inner + "/up"));
}
