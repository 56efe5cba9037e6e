#include "capture/log_file_writer.hpp"

#include <memory>

#include "text/sjis.hpp"

namespace {
constexpr const char* kTempStem = "~OrvexLog";
constexpr const char* kTempExtension = ".tmp";
constexpr int kTempAttempts = 100;

class FileSink : public ByteSink {
public:
    explicit FileSink(WritableFile& file) : file_(file) {}
    bool write(std::string_view bytes) override { return file_.write(bytes); }

private:
    WritableFile& file_;
};
}  // namespace

bool isTemporaryLogName(const std::string& fileName) {
    const std::string stem = kTempStem;
    return fileName.rfind(stem, 0) == 0 && fileName.size() > 4 &&
           fileName.compare(fileName.size() - 4, 4, kTempExtension) == 0;
}

WriteResult writeLogFile(FileSystemPort& files, RichHolderPort& holder, const std::string& path) {
    const std::string folder(sjis::folderPart(path));
    std::unique_ptr<WritableFile> file;
    std::string tempPath;
    for (int n = 1; n <= kTempAttempts && !file; ++n) {
        tempPath = folder + kTempStem + std::to_string(n) + kTempExtension;
        file = files.createNew(tempPath);
    }
    if (!file) return WriteResult::CannotCreate;

    FileSink sink(*file);
    const bool streamed = holder.streamOut(sink);
    const bool finished = file->finish();
    file.reset();
    if (!streamed || !finished) {
        files.remove(tempPath);
        return WriteResult::StreamFailed;
    }
    if (!files.replace(tempPath, path)) {
        files.remove(tempPath);
        return WriteResult::CannotCreate;
    }
    return WriteResult::Written;
}
