// The portable profile on the simulated desktop's files.
#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/sim/system/sim_paths.hpp"
#include "platform/sim/system/sim_profile.hpp"
#include "shared/profile_under_test.hpp"
#include "sim_file_root.hpp"

namespace {

class NativeProfileUnderTest : public ProfileUnderTest {
public:
    NativeProfileUnderTest() {
        SimFileRoot::makeFolder(folder());
        SimFileRoot::makeFolder(kWindows);
    }
    ProfilePort& profile() override { return profile_; }
    std::string folder() override { return "C:\\ProfileTest"; }
    std::string windowsDirectory() override { return kWindows; }
    void makeFolder(const std::string& path) override { SimFileRoot::makeFolder(path); }
    void writeBytes(const std::string& path, const std::string& bytes) override { SimFileRoot::makeFile(path, bytes); }
    std::string readBytes(const std::string& path) override { return SimFileRoot::read(path); }
    bool fileExists(const std::string& path) override { return SimFileRoot::isFile(path); }
    void removeFile(const std::string& path) override { std::filesystem::remove(sim::hostPath(path)); }

private:
    static constexpr const char* kWindows = "C:\\WINDOWS";
    SimFileRoot root_;
    sim::SimProfile profile_{kWindows};
};

}  // namespace

std::unique_ptr<ProfileUnderTest> makeProfileUnderTest() { return std::make_unique<NativeProfileUnderTest>(); }
