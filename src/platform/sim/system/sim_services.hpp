#pragma once
// sim/system/: the simulated system's services. Uses sim/window/, the ports, settings/, text/.
//
// The small services of the simulated desktop: message boxes, clock, timers
// on a virtual clock, text width, system facts and the shell.
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "ports/clock_port.hpp"
#include "ports/message_box_port.hpp"
#include "ports/shell_port.hpp"
#include "ports/system_port.hpp"
#include "ports/text_measure_port.hpp"
#include "ports/timer_port.hpp"
#include "platform/sim/window/sim_modal.hpp"

namespace sim {

class SimMessageBoxes : public MessageBoxPort {
public:
    struct Shown {
        std::string text, caption;
        unsigned flags;
    };
    int show(const std::string& text, const std::string& caption, unsigned flags) override;

    ModalScript script;
    std::vector<Shown> shown;
    int open = 0;  // boxes on screen right now
    // Takes what the program posted, as the loop of a real one does.
    std::function<void()> takePosted;
    // Set when the program ends while a box is open: the box goes away.
    std::function<bool()> programEnded;
};

class SimClock : public ClockPort {
public:
    LocalTime now() override {
        const LocalTime read = time;
        if (afterRead) afterRead(time);  // time moves on between two readings
        return read;
    }
    LocalTime time{2024, 1, 5, 9, 5};
    std::function<void(LocalTime&)> afterRead;
};

// Timers on a virtual clock. advance() fires due ticks in time order through
// onTick, so a tick can arrive while a modal box is open.
class SimTimers : public TimerPort {
public:
    void start(TimerId id, unsigned intervalMs) override;
    void stop(TimerId id) override { running_.erase(id); }
    // Moves the clock forward, firing every tick due on the way.
    void advance(unsigned long long ms);
    bool running(TimerId id) const { return running_.contains(id); }
    // Milliseconds until the timer fires next (it must be running).
    unsigned long long remaining(TimerId id) const;
    // A message that arrives at `due` on the clock (a host's answer). At the
    // same instant it comes before the ticks, as a posted message comes
    // before WM_TIMER.
    void at(unsigned long long due, std::function<void()> event) { events_.emplace(due, std::move(event)); }
    bool eventsPending() const { return !events_.empty(); }
    unsigned long long nextEventAt() const { return events_.begin()->first; }

    std::function<void(TimerId)> onTick;
    unsigned long long now = 0;
    int starts = 0;  // how often a countdown was (re)started

private:
    struct Running {
        unsigned interval;
        unsigned long long due;
    };
    // The timer that fires next, and when; the largest time when none runs.
    unsigned long long nextTick(TimerId& id) const;

    std::map<TimerId, Running> running_;
    std::multimap<unsigned long long, std::function<void()>> events_;
};

class SimTextMeasure : public TextMeasurePort {
public:
    // Six pixels a byte: a half-width character is 6 px, a full-width 12 px,
    // close to the window's 12-pixel font.
    int width(std::string_view text) override { return static_cast<int>(text.size()) * 6; }
};

class SimSystem : public SystemPort {
public:
    std::string moduleFileName() override { return moduleFile; }
    std::string windowsDirectory() override { return windowsDir; }
    int screenWidth() override { return screenW; }
    int screenHeight() override { return screenH; }

    std::string moduleFile = "C:\\Tools\\OrvexLog.exe";
    std::string windowsDir = "C:\\WINDOWS";
    int screenW = 800, screenH = 600;
};

class SimShell : public ShellPort {
public:
    struct Call {
        std::string kind, verb, file, parameters, folder;
        int show;
    };
    void shellExecute(const std::string& verb, const std::string& file, const std::string& parameters,
                      const std::string& folder, int show) override {
        calls.push_back({"ShellExecute", verb, file, parameters, folder, show});
    }
    void winExec(const std::string& commandLine, int show) override {
        calls.push_back({"WinExec", "", commandLine, "", "", show});
    }
    std::vector<Call> calls;
};

}  // namespace sim
