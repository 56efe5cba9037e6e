#include "platform/win32/system/win32_open_file_dialog.hpp"

#include <cderr.h>
#include <commdlg.h>

#include <algorithm>
#include <exception>
#include <vector>

#include "platform/win32/window/modal_loop.hpp"
#include "platform/win32/window/window_base.hpp"

namespace {

struct HookState {
    const std::function<bool(const std::string& path)>* canClose;
    // The file that the check let through. Only that counts as chosen: the
    // dialog can also return "chosen" without any check (under a quit
    // request, for one).
    std::optional<std::string> approved;
    // An exception must not cross the dialog's own frames: it is kept, the
    // dialog is cancelled, and the exception goes on after it.
    std::exception_ptr error;
};

// The file the user confirmed. The dialog has already written it to the
// request's buffer, and that is what it returns when it closes, so the check
// sees exactly the path that would be stored. (Wine's CDM_GETFILEPATH, for
// one, puts the current folder in front of a typed full path.) The dialog's
// own answer is asked only when the buffer holds nothing.
std::string confirmedPath(HWND hookDialog, const OFNOTIFYA& notify) {
    if (notify.lpOFN != nullptr && notify.lpOFN->lpstrFile != nullptr && notify.lpOFN->lpstrFile[0] != '\0')
        return notify.lpOFN->lpstrFile;
    HWND dialog = GetParent(hookDialog);
    std::vector<char> buffer(MAX_PATH);
    for (int attempt = 0; attempt < 4; ++attempt) {
        const LRESULT needed = SendMessageA(dialog, CDM_GETFILEPATH, static_cast<WPARAM>(buffer.size()),
                                            reinterpret_cast<LPARAM>(buffer.data()));
        if (needed <= 0) break;
        if (static_cast<std::size_t>(needed) <= buffer.size()) return std::string(buffer.data());
        buffer.resize(static_cast<std::size_t>(needed));
    }
    return {};
}

UINT_PTR onFileOk(HWND hookDialog, const OFNOTIFYA& notify) {
    auto* state = reinterpret_cast<HookState*>(GetWindowLongPtrA(hookDialog, GWLP_USERDATA));
    if (state == nullptr) return 0;
    bool allowed = false;
    try {
        const std::string path = confirmedPath(hookDialog, notify);
        allowed = (*state->canClose)(path);
        if (allowed) state->approved = path;
    } catch (...) {
        state->error = std::current_exception();
        PostMessageA(GetParent(hookDialog), WM_COMMAND, IDCANCEL, 0);
    }
    if (allowed) return 0;
    // A refusal keeps the dialog open.
    SetWindowLongPtrA(hookDialog, DWLP_MSGRESULT, 1);
    return 1;
}

UINT_PTR CALLBACK openDialogHook(HWND hookDialog, UINT message, WPARAM, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            // The dialog's own comes first; the state is taken from it once.
            if (GetWindowLongPtrA(hookDialog, GWLP_USERDATA) == 0)
                SetWindowLongPtrA(hookDialog, GWLP_USERDATA,
                                  reinterpret_cast<const OPENFILENAMEA*>(lParam)->lCustData);
            return 0;
        case WM_NOTIFY: {
            const NMHDR* header = notifyHeader(lParam);
            if (header != nullptr && header->code == static_cast<UINT>(CDN_FILEOK))
                return onFileOk(hookDialog, *reinterpret_cast<const OFNOTIFYA*>(lParam));
            return 0;
        }
        default:
            return 0;
    }
}

// "name\0pattern\0\0"
std::vector<char> filterOf(const OpenFileRequest& request) {
    std::vector<char> filter(request.filterName.begin(), request.filterName.end());
    filter.push_back('\0');
    filter.insert(filter.end(), request.filterPattern.begin(), request.filterPattern.end());
    filter.push_back('\0');
    filter.push_back('\0');
    return filter;
}

}  // namespace

std::optional<std::string> Win32OpenFileDialog::run(const OpenFileRequest& request,
                                                    const std::function<bool(const std::string& path)>& canClose) {
    HookState state{&canClose, std::nullopt, nullptr};
    std::vector<char> filter = filterOf(request);
    std::vector<char> file(std::max<std::size_t>(4096, request.fileName.size() + 1), '\0');
    std::copy(request.fileName.begin(), request.fileName.end(), file.begin());

    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner_;
    dialog.lpstrFilter = filter.data();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrInitialDir = request.initialFolder.empty() ? nullptr : request.initialFolder.c_str();
    dialog.lpstrTitle = request.title.c_str();
    // The current folder stays where it was: nothing may come to depend on
    // the folder a host program was chosen in.
    dialog.Flags = OFN_EXPLORER | OFN_ENABLEHOOK | OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_NOCHANGEDIR;
    dialog.lCustData = reinterpret_cast<LPARAM>(&state);
    dialog.lpfnHook = openDialogHook;

    using OpenFileName = BOOL(WINAPI*)(LPOPENFILENAMEA);
    using ExtendedError = DWORD(WINAPI*)();
    const auto getOpenFileName = dialogs_.function<OpenFileName>("GetOpenFileNameA");
    const auto extendedError = dialogs_.function<ExtendedError>("CommDlgExtendedError");
    if (getOpenFileName == nullptr || extendedError == nullptr) return std::nullopt;

    BOOL chosen = FALSE;
    {
        // The dialog disables only its owner, the hidden application window.
        const ModalScope modal;
        chosen = getOpenFileName(&dialog);
        if (!chosen && extendedError() == FNERR_INVALIDFILENAME && file[0] != '\0') {
            // The remembered name cannot stand in the name box (the dialog
            // then does not even open): open it with an empty one instead.
            std::fill(file.begin(), file.end(), '\0');
            chosen = getOpenFileName(&dialog);
        }
    }
    if (state.error) std::rethrow_exception(state.error);
    if (!chosen) return std::nullopt;
    return state.approved;
}
