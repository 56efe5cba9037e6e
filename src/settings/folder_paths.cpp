#include "settings/folder_paths.hpp"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "errors/app_error.hpp"
#include "ports/file_system_port.hpp"
#include "ports/text_measure_port.hpp"
#include "ports/win_constants.hpp"
#include "text/sjis.hpp"
#include "text/texts.hpp"

namespace {

constexpr std::string_view kEllipsis = "...\\";
constexpr std::string_view kRootedEllipsis = "\\...\\";

// "\" and "." are single-byte characters that never occur as lead bytes, so a
// text begins with one exactly when its first byte is it.
bool beginsWith(std::string_view s, char c) { return !s.empty() && s.front() == c; }

bool isSeparator(char c) { return c == '\\' || c == '/'; }

bool isAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

bool hasDrive(std::string_view path) { return path.size() >= 2 && path[1] == ':' && isAsciiLetter(path[0]); }

// "C:" of C:\Tools, "\\server\share" of \\server\share\Tools.
std::string_view rootOf(std::string_view folder) {
    if (hasDrive(folder) || folder.size() < 2) return folder.substr(0, 2);
    const std::size_t server = sjis::findFirstOf(folder.substr(2), "\\/");
    if (server == sjis::npos) return folder;
    const std::size_t shareStart = 2 + server + 1;
    const std::size_t share = sjis::findFirstOf(folder.substr(shareStart), "\\/");
    return share == sjis::npos ? folder : folder.substr(0, shareStart + share);
}

std::string joined(std::string_view folder, std::string_view rest) {
    std::string out(folder);
    if (!rest.empty() && !sjis::endsWithChar(out, '\\') && !sjis::endsWithChar(out, '/')) out += '\\';
    out += rest;
    return out;
}

}  // namespace

std::string FolderFromProgramFolder(std::string_view folder, const std::string& programFolder) {
    if (folder.empty()) return programFolder;
    if (hasDrive(folder)) {
        if (folder.size() > 2 && isSeparator(folder[2])) return std::string(folder);
        // The drive's own current folder is the program folder on its drive
        // and the root on any other.
        const std::string_view drive = folder.substr(0, 2);
        const bool programDrive =
            hasDrive(programFolder) && sjis::lowerAscii(drive) == sjis::lowerAscii(rootOf(programFolder));
        return joined(programDrive ? programFolder : std::string(drive) + '\\', folder.substr(2));
    }
    if (isSeparator(folder[0])) {
        if (folder.size() >= 2 && isSeparator(folder[1])) return std::string(folder);
        return std::string(rootOf(programFolder)).append(folder);
    }
    return joined(programFolder, folder);
}

std::string CutFirstFolder(std::string_view folder) {
    if (folder == "\\") return {};
    const bool rooted = beginsWith(folder, '\\');
    if (rooted) folder.remove_prefix(1);
    // Drops the "...\" of an earlier cut. A folder whose own name starts with
    // "." loses four bytes the same way; the text is for display only.
    if (beginsWith(folder, '.')) folder.remove_prefix(std::min<std::size_t>(4, folder.size()));

    std::string out;
    const std::size_t sep = sjis::findFirstOf(folder, "\\");
    if (sep != sjis::npos) {
        out.reserve(1 + kEllipsis.size() + folder.size() - sep - 1);
        if (rooted) out += '\\';
        out += kEllipsis;
        out += folder.substr(sep + 1);
    } else if (rooted) {
        out = "\\";
    }
    return out;
}

std::string ShortenPathForWidth(const std::string& path, const TextWidthMeasure& measure, int limit) {
    std::string result = path;
    std::string dir(sjis::folderPart(path));
    const std::string name(sjis::namePart(path));

    std::string drive;
    const std::size_t second = sjis::advanceChars(dir, 1);
    if (sjis::charCount(dir) >= 2 && dir[second] == ':') {
        const std::size_t driveSize = second + 1;
        drive = dir.substr(0, driveSize);
        dir.erase(0, driveSize);
    }

    // Each pass shortens dir or empties drive, so the loop ends once both are
    // empty; the width is tested before every change.
    while ((!dir.empty() || !drive.empty()) && measure(result) > limit) {
        if (dir == kRootedEllipsis) {
            drive.clear();
            dir = kEllipsis;
        } else if (dir.empty()) {
            drive.clear();
        } else {
            dir = CutFirstFolder(dir);
        }
        result = drive;
        result += dir;
        result += name;
    }
    return result;
}

std::string ShortenPathForWidth(const std::string& path, TextMeasurePort& measure, int limit) {
    return ShortenPathForWidth(
        path, [&measure](std::string_view text) { return measure.width(text); }, limit);
}

bool FolderExists(FileSystemPort& files, const std::string& path) {
    const std::uint32_t attributes = files.attributes(path);
    return attributes != win::kInvalidFileAttributes && (attributes & win::kFileAttributeDirectory) != 0;
}

void CreateFolderChain(FileSystemPort& files, const std::string& path, const std::string& programFolder) {
    // Walks outwards to the first level that exists, then creates the
    // missing ones from the outermost in: the same checks and creations, in the
    // same order, as doing it recursively, but a pasted path of thousands of
    // folders cannot exhaust the stack. Every level is a prefix of the path,
    // so only its length is kept. The walk looks at the path as given; only
    // the file system is asked about the level's place, so a relative path
    // stops and fails where it would in the current folder, while the result
    // does not depend on the folder the program was started from.
    const auto place = [&programFolder](std::string_view level) {
        return FolderFromProgramFolder(level, programFolder);
    };
    std::vector<std::size_t> missing;
    std::string_view level = path;
    for (;;) {
        if (level.empty()) throw AppError(txt::kCannotCreateDirectory);
        if (sjis::endsWithChar(level, '\\')) level.remove_suffix(1);
        if (level.size() < 3 || FolderExists(files, place(level))) break;
        const std::string_view parent = sjis::folderPart(level);
        if (parent.size() == level.size()) break;  // ends in ":" or a further "\"
        missing.push_back(level.size());
        level = parent;
    }
    std::reverse(missing.begin(), missing.end());  // outermost first
    for (const std::size_t length : missing) {
        if (!files.createDirectory(place(std::string_view(path).substr(0, length))))
            throw AppError(txt::kCannotCreateDirectory);
    }
}
