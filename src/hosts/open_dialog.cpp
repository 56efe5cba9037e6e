#include "hosts/open_dialog.hpp"

#include "hosts/host_programs.hpp"
#include "text/texts.hpp"

OpenDialog::OpenDialog(OpenFileDialogPort& port) : port_(port) {
    setup.initialFolder = hosts::kMyComputer;
    setMode(OpenDialogMode::Companion);
}

void OpenDialog::setMode(OpenDialogMode mode) {
    setup.mode = mode;
    const bool companion = mode == OpenDialogMode::Companion;
    setup.title = companion ? txt::kQuorlaDialogTitle : txt::kOrvexDialogTitle;
    setup.filterName = companion ? txt::kQuorlaFilterName : txt::kOrvexFilterName;
    setup.filterPattern = companion ? hosts::kCompanionPattern : hosts::kChatClientPattern;
}

std::optional<std::string> OpenDialog::execute(const std::function<bool(const std::string& path)>& canClose) {
    std::optional<std::string> chosen = port_.run(setup, canClose);
    if (chosen) setup.fileName = *chosen;
    return chosen;
}
