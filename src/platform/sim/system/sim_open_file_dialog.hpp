#pragma once
// The open-file dialog on the simulated desktop: the user confirms the
// scripted files one after another until one is let through, and cancels
// when none is.
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ports/open_file_dialog_port.hpp"

namespace sim {

struct OpenFileAnswer {
    std::vector<std::string> confirms;  // files confirmed in turn; empty: cancel at once
    std::vector<std::function<void()>> during;  // run before the first confirmation
};

class SimOpenFileDialog : public OpenFileDialogPort {
public:
    std::optional<std::string> run(const OpenFileRequest& request,
                                   const std::function<bool(const std::string& path)>& canClose) override;

    std::deque<OpenFileAnswer> script;
    std::vector<OpenFileRequest> requests;  // every run, as requested
    std::vector<std::string> vetoed;        // confirmations that canClose refused
    bool open = false;                      // on screen right now
    std::function<bool()> programEnded;
    // Takes what the program posted, as the loop of a real one does.
    std::function<void()> takePosted;
};

}  // namespace sim
