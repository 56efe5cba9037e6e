#pragma once
// The folder browser on the simulated desktop: answers from a script and
// records the folder it opened on each time.
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ports/folder_browser_port.hpp"

namespace sim {

struct BrowseAnswer {
    std::optional<std::string> folder;  // nothing: the user cancels
    std::vector<std::function<void()>> during;  // run while the browser is open
};

class SimFolderBrowser : public FolderBrowserPort {
public:
    // The next scripted answer; a browser without one is cancelled.
    std::optional<std::string> run(const std::string& initialFolder) override {
        openedOn.push_back(initialFolder);
        BrowseAnswer answer;
        if (!script.empty()) {
            answer = std::move(script.front());
            script.pop_front();
        }
        if (takePosted) takePosted();
        for (auto& event : answer.during) event();
        return answer.folder;
    }

    std::deque<BrowseAnswer> script;
    std::vector<std::string> openedOn;  // the pre-selected folder of each run
    // Takes what the program posted, as the loop of a real one does.
    std::function<void()> takePosted;
};

}  // namespace sim
