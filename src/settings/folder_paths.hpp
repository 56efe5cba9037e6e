#pragma once
// Folder-path routines of the properties window: the shortened display form of
// the save folder, and the test for and creation of a folder chain. Paths are
// CP932 byte strings; "\" and ":" are found by whole characters only.
#include <functional>
#include <string>
#include <string_view>

class FileSystemPort;
class TextMeasurePort;

// Pixel width of a text in the font of the box it will be shown in.
using TextWidthMeasure = std::function<int(std::string_view)>;

// Cuts leading folders (replaced by "...\"), then the drive, until the text is
// at most `limit` pixels wide. The name part is never cut, so the result can
// still be wider than the limit. A path that fits is returned as it is.
std::string ShortenPathForWidth(const std::string& path, const TextWidthMeasure& measure, int limit);
std::string ShortenPathForWidth(const std::string& path, TextMeasurePort& measure, int limit);

// One shortening step on a non-empty folder part: its first folder (or the
// "...\" an earlier step left) becomes "...\"; a leading "\" stays.
std::string CutFirstFolder(std::string_view folder);

// The place a stored or typed save folder names, never left to the current
// folder: a drive path (X:\...) or a UNC path (\\...) as it is, byte for
// byte; the empty folder is the program folder; a rooted one (\dir) lies on
// the program folder's drive or share; X:dir lies under the program folder
// when that is on drive X, else under X:\; any other under the program folder.
std::string FolderFromProgramFolder(std::string_view folder, const std::string& programFolder);

// True when the path names an existing folder (a drive root included).
bool FolderExists(FileSystemPort& files, const std::string& path);

// Creates the folder and every missing parent, outermost first. Throws
// AppError(txt::kCannotCreateDirectory) when a level cannot be created;
// levels created before the failure stay. Each level of a relative path is
// tested and created where FolderFromProgramFolder places it, and the chain
// stops where it would stop for a path of the current folder: at a drive
// (D:Logs), a root (\Logs) or a level of one or two bytes (..\Logs); a
// relative path whose first folder is missing (Logs, Logs\2024) fails before
// anything is created.
void CreateFolderChain(FileSystemPort& files, const std::string& path, const std::string& programFolder);
