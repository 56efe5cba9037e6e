#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "platform/sim/system/sim_paths.hpp"
#include "platform/sim/system/sim_profile.hpp"
#include "shared/sjis_samples.hpp"
#include "sim_file_root.hpp"

namespace {

std::size_t entriesIn(const std::string& windowsFolder) {
    std::size_t n = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(sim::hostPath(windowsFolder))) ++n;
    return n;
}

}  // namespace

TEST(SimProfile, BareNamesResolveToTheWindowsDirectory) {
    sim::SimProfile profile("D:\\WIN");
    EXPECT_EQ(profile.resolve("orvex3.ini"), "D:\\WIN\\orvex3.ini");
    EXPECT_EQ(profile.resolve("C:\\Tools\\OrvexLog.ini"), "C:\\Tools\\OrvexLog.ini");
    EXPECT_EQ(profile.resolve("C:x.ini"), "C:x.ini");
    EXPECT_EQ(profile.resolve("sub/x.ini"), "sub/x.ini");
    // 表 ends in a "\" byte but is no separator.
    EXPECT_EQ(profile.resolve(kHyo + ".ini"), "D:\\WIN\\" + kHyo + ".ini");
    profile.setWindowsDirectory("C:\\");
    EXPECT_EQ(profile.resolve("a.ini"), "C:\\a.ini");
}

TEST(SimProfile, AFailedWriteLeavesTheFileAndNoTemporaryFiles) {
    SimFileRoot root;
    sim::SimProfile profile("C:\\WINDOWS");
    const std::string file = "C:\\Tools\\OrvexLog.ini";
    SimFileRoot::makeFile(file, "[S]\r\nk=1\r\n");
    ASSERT_TRUE(profile.write(file, "S", "k", "2"));
    EXPECT_EQ(entriesIn("C:\\Tools"), 1u);

    ::chmod(sim::hostPath(file).c_str(), 0444);  // read-only file
    EXPECT_FALSE(profile.write(file, "S", "k", "3"));
    EXPECT_FALSE(profile.write(file, "S", "k", "2"));  // opened for writing before comparing
    ::chmod(sim::hostPath(file).c_str(), 0644);

    ::chmod(sim::hostPath("C:\\Tools").c_str(), 0555);  // read-only folder
    EXPECT_FALSE(profile.write(file, "S", "k", "4"));
    ::chmod(sim::hostPath("C:\\Tools").c_str(), 0755);

    EXPECT_EQ(SimFileRoot::read(file), "[S]\r\nk=2\r\n");
    EXPECT_EQ(entriesIn("C:\\Tools"), 1u);
}

TEST(SimProfile, AFileInsteadOfAFolderFailsTheWrite) {
    SimFileRoot root;
    sim::SimProfile profile("C:\\WINDOWS");
    SimFileRoot::makeFile("C:\\Tools", "not a folder");
    EXPECT_FALSE(profile.write("C:\\Tools\\OrvexLog.ini", "S", "k", "v"));
    EXPECT_EQ(profile.read("C:\\Tools\\OrvexLog.ini", "S", "k", "d"), "d");
    EXPECT_EQ(SimFileRoot::read("C:\\Tools"), "not a folder");
}
