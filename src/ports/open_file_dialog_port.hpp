#pragma once
// The open-file dialog that locates a host program's executable
// (GetOpenFileNameA, Explorer style, with a hook).
#include <functional>
#include <optional>
#include <string>

enum class OpenDialogMode { Companion, ChatClient };

struct OpenFileRequest {
    OpenDialogMode mode = OpenDialogMode::Companion;
    std::string title;
    std::string filterName;     // shown in the type list
    std::string filterPattern;  // e.g. "Quorla.exe"
    std::string initialFolder;
    std::string fileName;       // the name box's starting text
};

class OpenFileDialogPort {
public:
    virtual ~OpenFileDialogPort() = default;
    // Runs the dialog modally, owned by the application window, with the
    // read-only box hidden, resizable, and no requirement that the file
    // exists (OFN_EXPLORER | OFN_ENABLEHOOK | OFN_HIDEREADONLY |
    // OFN_ENABLESIZING). For every file the user confirms (CDN_FILEOK) it asks
    // canClose with the full path; false keeps the dialog open (the hook
    // returns 1 and sets DWL_MSGRESULT to 1). Returns the path that closed the
    // dialog, or nothing when the user cancels. canClose may show message
    // boxes; it does not throw.
    virtual std::optional<std::string> run(const OpenFileRequest& request,
                                           const std::function<bool(const std::string& path)>& canClose) = 0;
};
