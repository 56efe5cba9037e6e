#include "platform/sim/system/sim_program_entry.hpp"

namespace sim {

ProgramEntryPort::Mutex SimProgramEntry::openInstanceMutex(const std::string& name) {
    journal_.add("entry: open mutex " + name);
    return opening;
}

ProgramEntryPort::Mutex SimProgramEntry::createInstanceMutex(const std::string& name) {
    journal_.add("entry: create mutex " + name);
    mutexOwned = creating == Mutex::Ours;
    return creating;
}

void SimProgramEntry::initializeApplication(const std::string& title) {
    journal_.add("entry: application title");
    applicationTitle = title;
}

void SimProgramEntry::runMessageLoop() {
    journal_.add("entry: message loop");
    if (takePosted) takePosted();
    for (auto& event : loopEvents) {
        if (programEnded && programEnded()) break;
        event();
    }
    journal_.add("entry: message loop ended");
}

void SimProgramEntry::releaseInstanceMutex() {
    journal_.add("entry: release mutex");
    mutexOwned = false;
}

}  // namespace sim
