#include "platform/win32/system/win32_folder_browser.hpp"

#include <shlobj.h>

#include "platform/win32/handles/unique_handle.hpp"
#include "platform/win32/window/modal_loop.hpp"
#include "text/texts.hpp"

namespace {

// An item list that the shell allocated, freed by the shell (whose ILFree
// needs no import of OLE's DLL).
using UniqueItemList = UniqueHandle<NullHandleTraits<LPITEMIDLIST, &ILFree>>;

// Pre-selects the folder passed as the callback parameter once the browser
// is up.
int CALLBACK browseFolderCallback(HWND browser, UINT notification, LPARAM, LPARAM folder) {
    if (notification == BFFM_INITIALIZED) SendMessageA(browser, BFFM_SETSELECTIONA, TRUE, folder);
    return 0;
}

}  // namespace

std::optional<std::string> Win32FolderBrowser::run(const std::string& initialFolder) {
    LPITEMIDLIST desktop = nullptr;
    SHGetSpecialFolderLocation(owner_, CSIDL_DESKTOP, &desktop);
    const UniqueItemList root(desktop);

    BROWSEINFOA info{};
    info.hwndOwner = owner_;
    info.pidlRoot = root.get();
    info.pszDisplayName = nullptr;
    info.lpszTitle = txt::kBrowseFolderTitle;
    info.ulFlags = BIF_RETURNONLYFSDIRS;
    info.lpfn = browseFolderCallback;
    info.lParam = reinterpret_cast<LPARAM>(initialFolder.c_str());
    info.iImage = 0;
    UniqueItemList chosen;
    {
        const ModalScope modal;
        chosen.reset(SHBrowseForFolderA(&info));
    }
    if (!chosen) return std::nullopt;

    char path[MAX_PATH] = {};
    if (!SHGetPathFromIDListA(chosen.get(), path)) return std::nullopt;
    return std::string(path);
}
