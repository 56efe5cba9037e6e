#pragma once
// The program entry's process-wide steps on the simulated desktop, recorded in
// the journal. The message loop delivers scripted events until the program
// ends or the script runs out.
#include <functional>
#include <string>
#include <vector>

#include "ports/program_entry_port.hpp"
#include "platform/sim/window/sim_journal.hpp"

namespace sim {

class SimProgramEntry : public ProgramEntryPort {
public:
    explicit SimProgramEntry(Journal& journal) : journal_(journal) {}

    void registerHandCursor() override { journal_.add("entry: hand cursor"); }
    Mutex openInstanceMutex(const std::string& name) override;
    Mutex createInstanceMutex(const std::string& name) override;
    void hideStartupShowState() override { journal_.add("entry: SW_HIDE"); }
    void initializeApplication(const std::string& title) override;
    void copyFormStyleToApplication() override { journal_.add("entry: style copy"); }
    void runMessageLoop() override;
    void releaseInstanceMutex() override;

    // What the open finds (another copy's mutex, or one we may not open),
    // and what the create does (another copy created it between our open
    // and our create, or it cannot be made).
    Mutex opening = Mutex::Absent;
    Mutex creating = Mutex::Ours;
    bool mutexOwned = false;  // ours was created and not yet released
    std::string applicationTitle;
    std::vector<std::function<void()>> loopEvents;
    std::function<bool()> programEnded;
    // Takes what the program posted, as the loop of a real one does.
    std::function<void()> takePosted;

private:
    Journal& journal_;
};

}  // namespace sim
