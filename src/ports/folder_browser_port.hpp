#pragma once
// The folder browser of the save-folder page (SHBrowseForFolderA).
#include <optional>
#include <string>

class FolderBrowserPort {
public:
    virtual ~FolderBrowserPort() = default;
    // Runs the browser modally, owned by the properties window: root = the
    // desktop (SHGetSpecialFolderLocation, CSIDL_DESKTOP), title
    // txt::kBrowseFolderTitle, BIF_RETURNONLYFSDIRS, and a callback that on
    // BFFM_INITIALIZED sends BFFM_SETSELECTIONA (TRUE, initialFolder) and
    // returns 0 for every notification. Returns the chosen folder's path
    // (SHGetPathFromIDListA into a MAX_PATH buffer, so at most 259 bytes), or
    // nothing when the user cancels or the choice has no file-system path.
    // Messages keep flowing while it is open.
    virtual std::optional<std::string> run(const std::string& initialFolder) = 0;
};
