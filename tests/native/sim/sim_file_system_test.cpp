#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "platform/sim/system/sim_file_system.hpp"
#include "platform/sim/system/sim_paths.hpp"
#include "ports/win_constants.hpp"
#include "sim_file_root.hpp"

namespace {

void makeReadOnly(const std::string& windowsPath) { ::chmod(sim::hostPath(windowsPath).c_str(), 0444); }

std::size_t openDescriptors() {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator("/proc/self/fd"),
                                                  std::filesystem::directory_iterator()));
}

}  // namespace

TEST(SimFileSystem, AttributesAndFileTestsFollowWindows) {
    SimFileRoot root;
    sim::SimFileSystem files;
    root.makeFolder("D:\\Logs");
    root.makeFile("D:\\Logs\\a.rtf", "x");
    root.makeFile("D:\\Logs\\ro.rtf", "x");
    makeReadOnly("D:\\Logs\\ro.rtf");

    EXPECT_EQ(files.attributes("D:\\Logs"), win::kFileAttributeDirectory);
    EXPECT_EQ(files.attributes("d:\\Logs\\"), win::kFileAttributeDirectory);
    EXPECT_EQ(files.attributes("D:\\Logs\\a.rtf"), 0x20u);
    EXPECT_EQ(files.attributes("D:\\Logs\\ro.rtf"), 0x21u);
    EXPECT_EQ(files.attributes("D:\\Logs\\a.rtf\\"), win::kInvalidFileAttributes);
    EXPECT_EQ(files.attributes("D:\\Missing"), win::kInvalidFileAttributes);
    root.makeFolder("cwd");
    EXPECT_EQ(files.attributes(""), win::kInvalidFileAttributes);

    EXPECT_TRUE(files.fileExists("D:\\Logs\\a.rtf"));
    EXPECT_FALSE(files.fileExists("D:\\Logs"));
    EXPECT_FALSE(files.fileExists("D:\\Missing"));
    EXPECT_FALSE(files.fileExists(""));
}

TEST(SimFileSystem, CreateDirectoryNeedsTheParentAndAFreeName) {
    SimFileRoot root;
    sim::SimFileSystem files;
    root.makeFolder("D:\\");
    root.makeFile("D:\\file", "x");
    root.makeFolder("cwd");
    EXPECT_TRUE(files.createDirectory("D:\\Logs"));
    EXPECT_TRUE(root.isFolder("D:\\Logs"));
    EXPECT_FALSE(files.createDirectory("D:\\Logs"));
    EXPECT_FALSE(files.createDirectory("D:\\file"));
    EXPECT_FALSE(files.createDirectory("D:\\file\\sub"));
    EXPECT_FALSE(files.createDirectory("D:\\a\\b"));
    EXPECT_FALSE(files.createDirectory(""));
}

TEST(SimFileSystem, CreateNewWritesOnlyNewFilesAndClosesThem) {
    SimFileRoot root;
    sim::SimFileSystem files;
    root.makeFile("D:\\old.rtf", "keep");
    const std::size_t before = openDescriptors();

    auto file = files.createNew("D:\\new.rtf");
    ASSERT_NE(file, nullptr);
    EXPECT_TRUE(file->write("{\\rtf1 "));
    EXPECT_TRUE(file->write("}"));
    EXPECT_TRUE(file->finish());
    EXPECT_FALSE(file->finish());
    EXPECT_FALSE(file->write("more"));
    EXPECT_EQ(root.read("D:\\new.rtf"), "{\\rtf1 }");

    files.createNew("D:\\dropped.rtf")->write("abc");  // closed by its owner without finish
    EXPECT_EQ(root.read("D:\\dropped.rtf"), "abc");
    file.reset();
    EXPECT_EQ(openDescriptors(), before);

    EXPECT_EQ(files.createNew("D:\\old.rtf"), nullptr);
    EXPECT_EQ(root.read("D:\\old.rtf"), "keep");
    EXPECT_EQ(files.createNew("D:\\Missing\\x.rtf"), nullptr);
    EXPECT_EQ(files.createNew(""), nullptr);
}

TEST(SimFileSystem, InjectedFaults) {
    SimFileRoot root;
    sim::SimFileSystem files;
    root.makeFolder("D:\\");

    files.failCreate(true);
    EXPECT_EQ(files.createNew("D:\\a.txt"), nullptr);
    EXPECT_FALSE(root.isFile("D:\\a.txt"));
    files.failCreate(false);

    // The disk fills up in the middle of the second write.
    auto file = files.createNew("D:\\a.txt");
    files.failWritesAfter(5);
    EXPECT_TRUE(file->write("abc"));
    EXPECT_FALSE(file->write("defgh"));
    EXPECT_FALSE(file->write("i"));
    files.failWritesAfter(std::nullopt);
    EXPECT_TRUE(file->write("j"));
    files.failFinish(true);
    EXPECT_FALSE(file->finish());
    EXPECT_EQ(root.read("D:\\a.txt"), "abcdej");

    files.failFinish(false);
    root.makeFile("D:\\b.txt", "b");
    files.failReplace(true);
    EXPECT_FALSE(files.replace("D:\\a.txt", "D:\\b.txt"));
    EXPECT_EQ(root.read("D:\\b.txt"), "b");
    EXPECT_TRUE(root.isFile("D:\\a.txt"));
}

TEST(SimFileSystem, ReplaceAndRemoveRefuseFoldersAndReadOnlyFiles) {
    SimFileRoot root;
    sim::SimFileSystem files;
    root.makeFile("D:\\tmp", "new");
    root.makeFile("D:\\log.rtf", "old");
    root.makeFile("D:\\ro.rtf", "locked");
    makeReadOnly("D:\\ro.rtf");
    root.makeFolder("D:\\Folder");

    EXPECT_TRUE(files.replace("D:\\tmp", "D:\\log.rtf"));
    EXPECT_EQ(root.read("D:\\log.rtf"), "new");
    EXPECT_FALSE(root.isFile("D:\\tmp"));
    EXPECT_TRUE(files.replace("D:\\log.rtf", "D:\\fresh.rtf"));
    EXPECT_FALSE(files.replace("D:\\fresh.rtf", "D:\\ro.rtf"));
    EXPECT_FALSE(files.replace("D:\\fresh.rtf", "D:\\Folder"));
    EXPECT_FALSE(files.replace("D:\\gone", "D:\\fresh.rtf"));
    EXPECT_EQ(root.read("D:\\ro.rtf"), "locked");
    EXPECT_EQ(root.read("D:\\fresh.rtf"), "new");

    EXPECT_FALSE(files.remove("D:\\ro.rtf"));
    EXPECT_FALSE(files.remove("D:\\Folder"));
    EXPECT_FALSE(files.remove("D:\\gone"));
    EXPECT_TRUE(files.remove("D:\\fresh.rtf"));
    EXPECT_FALSE(root.isFile("D:\\fresh.rtf"));
    EXPECT_TRUE(root.isFolder("D:\\Folder"));
}
