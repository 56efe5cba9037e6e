#pragma once
// sim/window/: what the simulated windows share (journal, modal answers). Uses the ports' constants.
//
// One record of what the simulated desktop was asked to do, in order, shared
// by the parts whose relative order matters (program entry, tray, window).
#include <algorithm>
#include <string>
#include <vector>

namespace sim {

struct Journal {
    std::vector<std::string> entries;

    void add(std::string entry) { entries.push_back(std::move(entry)); }
    // Position of the first entry equal to `entry`, or -1.
    int indexOf(const std::string& entry) const {
        const auto it = std::find(entries.begin(), entries.end(), entry);
        return it == entries.end() ? -1 : static_cast<int>(it - entries.begin());
    }
    int count(const std::string& entry) const {
        return static_cast<int>(std::count(entries.begin(), entries.end(), entry));
    }
};

}  // namespace sim
