#pragma once
// The program entry's process-wide steps on the simulated desktop, recorded in
// the journal. The message loop delivers scripted events until the program
// ends or the script runs out.
#include <functional>
#include <string>
#include <vector>

#include "platform/program_entry_port.hpp"
#include "platform/sim/sim_journal.hpp"

namespace sim {

class SimProgramEntry : public ProgramEntryPort {
public:
    explicit SimProgramEntry(Journal& journal) : journal_(journal) {}

    void registerHandCursor() override { journal_.add("entry: hand cursor"); }
    bool openInstanceMutex(const std::string& name) override;
    bool createInstanceMutex(const std::string& name) override;
    void hideStartupShowState() override { journal_.add("entry: SW_HIDE"); }
    void initializeApplication(const std::string& title) override;
    void copyFormStyleToApplication() override { journal_.add("entry: style copy"); }
    void runMessageLoop() override;
    void releaseInstanceMutex() override;

    // Another copy holds the mutex already.
    bool otherCopyRunning = false;
    // Another copy creates the mutex between our open and our create.
    bool otherCopyCreatesFirst = false;
    bool mutexOwned = false;  // ours was created and not yet released
    std::string applicationTitle;
    std::vector<std::function<void()>> loopEvents;
    std::function<bool()> programEnded;

private:
    Journal& journal_;
};

}  // namespace sim
