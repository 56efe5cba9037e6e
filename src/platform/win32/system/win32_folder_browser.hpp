#pragma once
// The save-folder page's folder browser on the shell's SHBrowseForFolderA.
#include <windows.h>

#include "ports/folder_browser_port.hpp"

class Win32FolderBrowser : public FolderBrowserPort {
public:
    // `owner` is the properties window.
    explicit Win32FolderBrowser(HWND owner) : owner_(owner) {}
    std::optional<std::string> run(const std::string& initialFolder) override;

private:
    HWND owner_;
};
