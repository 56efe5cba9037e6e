#include "capture/log_file_writer.hpp"

#include <algorithm>
#include <memory>

#include "ports/win_constants.hpp"
#include "text/sjis.hpp"

namespace {
// "~OrvexLogN.tmp" where it fits; "~OLN.tmp" in a folder so deep that only a
// short name does: at 8 characters it is no longer than the shortest log name
// that can exist already ("hhnn.rtf", the time identifier), so wherever an
// earlier log may be replaced, a temporary file fits beside it.
constexpr const char* kTempStems[] = {"~OrvexLog", "~OL"};
constexpr const char* kTempExtension = ".tmp";
// Matches both stems; the exact form is checked by isTemporaryLogName.
constexpr const char* kTempPattern = "~O*.tmp";
constexpr int kTempAttempts = 100;
// Names found taken one after another at the last moment; beyond this the
// folder does not behave as a folder should, and the save stops.
constexpr int kTakenNamesTried = 100;

class FileSink : public ByteSink {
public:
    explicit FileSink(WritableFile& file) : file_(file) {}
    bool write(std::string_view bytes) override { return file_.write(bytes); }

private:
    WritableFile& file_;
};

// A number that createTemporary writes: 1 to kTempAttempts, without leading
// zeros. Anything else (a user's "~OL007.tmp") is not ours to remove.
bool isTempNumber(std::string_view s) {
    if (s.empty() || s.size() > 9 || s[0] == '0') return false;
    int n = 0;
    for (const char c : s) {
        if (c < '0' || c > '9') return false;
        n = n * 10 + (c - '0');
    }
    return n <= kTempAttempts;
}

// Temporary files left by a save that never finished (the program was ended,
// the power went). A temporary file that a running save is writing, in this
// process (a nested save) or in another session's copy, is open without
// delete sharing, so removing it fails and it is left alone.
void removeStaleTemporaries(FileSystemPort& files, const std::string& folder) {
    for (const std::string& name : files.fileNames(folder, kTempPattern))
        if (isTemporaryLogName(name)) files.remove(folder + name);
}

std::unique_ptr<WritableFile> createTemporary(FileSystemPort& files, const std::string& folder,
                                              std::string& tempPath) {
    for (int n = 1; n <= kTempAttempts; ++n) {
        for (const char* stem : kTempStems) {
            tempPath = folder + stem + std::to_string(n) + kTempExtension;
            if (auto file = files.createNew(tempPath)) return file;
        }
    }
    tempPath.clear();
    return nullptr;
}

// Streams the holder into a file and closes it; false when either fails.
bool streamInto(RichHolderPort& holder, std::unique_ptr<WritableFile> file) {
    FileSink sink(*file);
    const bool streamed = holder.streamOut(sink);
    const bool finished = file->finish();
    return streamed && finished;
}

// Without a temporary name, the log is written in place, and only as a new
// file: an earlier log of that name would be lost if the write failed, so
// it is never opened (createNew refuses a name that is taken). A numbered
// log moves on to the next free number; a time identifier's log of the same
// minute always leaves room for a temporary.
WriteResult writeInPlace(FileSystemPort& files, RichHolderPort& holder, LogTarget& target) {
    auto file = files.createNew(target.path);
    for (int tried = 1; !file && target.nextFree && tried < kTakenNamesTried &&
                        files.attributes(target.path) != win::kInvalidFileAttributes;
         ++tried) {
        target.path = target.nextFree();
        file = files.createNew(target.path);
    }
    if (!file) return WriteResult::CannotCreate;
    if (!streamInto(holder, std::move(file))) {
        files.remove(target.path);
        return WriteResult::StreamFailed;
    }
    return WriteResult::Written;
}

// Puts the finished temporary file in place under target.path.
bool moveIntoPlace(FileSystemPort& files, const std::string& tempPath, LogTarget& target) {
    if (!target.nextFree) return files.replace(tempPath, target.path);
    for (int tried = 0; tried < kTakenNamesTried; ++tried) {
        switch (files.moveToFreeName(tempPath, target.path)) {
            case FileSystemPort::Move::Moved:
                return true;
            case FileSystemPort::Move::Failed:
                return false;
            case FileSystemPort::Move::NameTaken:
                target.path = target.nextFree();
                break;
        }
    }
    return false;
}
}  // namespace

bool isTemporaryLogName(const std::string& fileName) {
    const std::string_view name = fileName;
    const std::string_view extension = kTempExtension;
    if (name.size() <= extension.size() || name.substr(name.size() - extension.size()) != extension) return false;
    const std::string_view stemAndNumber = name.substr(0, name.size() - extension.size());
    return std::ranges::any_of(kTempStems, [stemAndNumber](const std::string_view stem) {
        return stemAndNumber.substr(0, stem.size()) == stem && isTempNumber(stemAndNumber.substr(stem.size()));
    });
}

WriteResult writeLogFile(FileSystemPort& files, RichHolderPort& holder, LogTarget& target) {
    const std::string folder(sjis::folderPart(target.path));
    removeStaleTemporaries(files, folder);
    std::string tempPath;
    auto file = createTemporary(files, folder, tempPath);
    if (!file) return writeInPlace(files, holder, target);

    if (!streamInto(holder, std::move(file))) {
        files.remove(tempPath);
        return WriteResult::StreamFailed;
    }
    if (!moveIntoPlace(files, tempPath, target)) {
        files.remove(tempPath);
        return WriteResult::CannotCreate;
    }
    return WriteResult::Written;
}
