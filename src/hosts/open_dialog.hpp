#pragma once
// The properties window's open-file dialog (OpenDialog) for a host program's
// executable. It keeps its settings between runs, like the toolkit's
// component: its mode's title and filter, and the name box starting with the
// file chosen last.
#include <functional>
#include <optional>
#include <string>

#include "ports/open_file_dialog_port.hpp"

class OpenDialog {
public:
    explicit OpenDialog(OpenFileDialogPort& port);

    // Title and filter of the mode; companion mode is the initial one.
    void setMode(OpenDialogMode mode);
    // Runs the dialog; a file that closes it becomes the next run's name.
    std::optional<std::string> execute(const std::function<bool(const std::string& path)>& canClose);

    OpenFileRequest setup;

private:
    OpenFileDialogPort& port_;
};
