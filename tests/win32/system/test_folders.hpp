#pragma once
// Folders of the Windows tests: the Windows folder, and removing a folder a
// test made with all it holds (read-only files too).
#include <windows.h>

#include <string>

#include "platform/win32/handles/unique_handle.hpp"

inline std::string windowsFolder() {
    char buffer[MAX_PATH] = {};
    GetWindowsDirectoryA(buffer, sizeof buffer);
    return buffer;
}

inline void removeTree(const std::string& folder) {
    WIN32_FIND_DATAA found{};
    {
        const UniqueFind search(FindFirstFileA((folder + "\\*").c_str(), &found));
        if (search) {
            do {
                const std::string name = found.cFileName;
                if (name == "." || name == "..") continue;
                const std::string path = folder + "\\" + name;
                if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                    removeTree(path);
                } else {
                    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                    DeleteFileA(path.c_str());
                }
            } while (FindNextFileA(search.get(), &found));
        }
    }
    RemoveDirectoryA(folder.c_str());
}
