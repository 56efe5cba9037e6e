#pragma once
// The open-file dialog for a host program's executable, on comdlg32's
// GetOpenFileNameA with a hook that lets the logic refuse a chosen file.
// comdlg32.dll is loaded at the first dialog.
#include <windows.h>

#include "ports/open_file_dialog_port.hpp"
#include "platform/win32/handles/on_demand_library.hpp"

class Win32OpenFileDialog : public OpenFileDialogPort {
public:
    // `owner` is the application window.
    explicit Win32OpenFileDialog(HWND owner) : owner_(owner) {}
    std::optional<std::string> run(const OpenFileRequest& request,
                                   const std::function<bool(const std::string& path)>& canClose) override;

private:
    HWND owner_;
    OnDemandLibrary dialogs_{"comdlg32.dll"};
};
