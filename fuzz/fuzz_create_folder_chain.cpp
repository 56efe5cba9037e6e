// CreateFolderChain on relative and absolute paths, on the simulated file
// system in a fresh temporary folder for every input: it fails only with
// AppError, never creates anything outside that folder, and when it succeeds
// the folder exists where the program folder places it (except for the paths
// it leaves alone by design: fewer than three bytes, or ending in ":" or in a
// second "\").
#include <fuzzer/FuzzedDataProvider.h>
#include <stdlib.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "errors/app_error.hpp"
#include "fuzz_check.hpp"
#include "platform/sim/system/sim_file_system.hpp"
#include "platform/sim/system/sim_paths.hpp"
#include "settings/folder_paths.hpp"
#include "text/sjis.hpp"
#include "text/texts.hpp"

namespace fs = std::filesystem;

namespace {

using fuzz::check;

// One folder per process, removed at exit; each input gets a fresh root
// inside it, so a folder made one level outside the root shows up there.
class OuterFolder {
public:
    OuterFolder() {
        std::string pattern = (fs::temp_directory_path() / "orvexlog-fuzz-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) fuzz::fail("mkdtemp failed");
        path_ = pattern;
    }
    ~OuterFolder() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    OuterFolder(const OuterFolder&) = delete;
    OuterFolder& operator=(const OuterFolder&) = delete;
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

const std::string& outerFolder() {
    static const OuterFolder outer;
    return outer.path();
}

bool inside(const fs::path& p, const fs::path& root) {
    const fs::path normal = p.lexically_normal();
    auto r = root.begin();
    auto q = normal.begin();
    for (; r != root.end(); ++r, ++q) {
        if (q == normal.end() || *q != *r) return false;
    }
    return true;
}

// Refuses, before the disk is touched, any folder whose host path (as the
// system call sees it: up to the first NUL) lies outside the root.
class GuardedFileSystem : public sim::SimFileSystem {
public:
    explicit GuardedFileSystem(fs::path root) : root_(std::move(root)) {}
    bool createDirectory(const std::string& path) override {
        const std::string host = sim::hostPath(path);
        const std::string_view seen(host.c_str());
        check(inside(fs::path(std::string(seen)), root_), "a folder would be created outside the root", path, seen);
        return SimFileSystem::createDirectory(path);
    }

private:
    fs::path root_;
};

// Paths that CreateFolderChain leaves alone and reports as done: after one
// trailing "\" goes, fewer than three bytes, or a folder part that is the
// whole text (it ends in ":" or another "\").
bool leftAlone(std::string_view path) {
    if (sjis::endsWithChar(path, '\\')) path.remove_suffix(1);
    return path.size() < 3 || sjis::folderPart(path).size() == path.size();
}

const std::string kProgramFolder = "C:\\Tools";

const char* const kStarts[] = {"C:\\", "c:\\", "D:\\", "C:", "\\", "\\\\server\\share\\", "", "C:\\file\\",
                               "C:\\\x95\\"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const std::string start = kStarts[in.ConsumeIntegralInRange<std::size_t>(0, std::size(kStarts) - 1)];
    const std::string path = start + in.ConsumeRemainingBytesAsString();

    std::string pattern = outerFolder() + "/root-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) fuzz::fail("mkdtemp failed");
    const fs::path root = pattern;
    sim::setFileRoot(root.string());
    // Drive C: with a file in it, and the program folder, where relative
    // paths lie.
    fs::create_directories(root / "C" / "Tools");
    std::ofstream(root / "C" / "file") << "x";

    GuardedFileSystem files(root);
    bool created = false;
    try {
        CreateFolderChain(files, path, kProgramFolder);
        created = true;
    } catch (const AppError& e) {
        check(std::string_view(e.what()) == txt::kCannotCreateDirectory, "an error with another message", path, e.what());
    }
    if (created && !leftAlone(path))
        check(FolderExists(files, FolderFromProgramFolder(path, kProgramFolder)), "success, but no folder there", path);

    std::error_code error;
    for (const fs::directory_entry& e : fs::directory_iterator(outerFolder(), error)) {
        check(e.path() == root, "something appeared beside the root", path, e.path().string());
    }
    fs::remove_all(root, error);
    return 0;
}
