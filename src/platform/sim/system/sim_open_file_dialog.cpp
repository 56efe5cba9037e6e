#include "platform/sim/system/sim_open_file_dialog.hpp"

namespace sim {

std::optional<std::string> SimOpenFileDialog::run(const OpenFileRequest& request,
                                                  const std::function<bool(const std::string& path)>& canClose) {
    requests.push_back(request);
    OpenFileAnswer answer;
    if (!script.empty()) {
        answer = std::move(script.front());
        script.pop_front();
    }
    open = true;
    if (takePosted) takePosted();
    for (auto& event : answer.during) {
        if (programEnded && programEnded()) break;
        event();
    }
    std::optional<std::string> chosen;
    // A program that ended under the dialog gets nothing from it.
    if (programEnded && programEnded()) answer.confirms.clear();
    for (const std::string& path : answer.confirms) {
        if (canClose(path)) {
            chosen = path;
            break;
        }
        vetoed.push_back(path);
    }
    open = false;
    return chosen;
}

}  // namespace sim
