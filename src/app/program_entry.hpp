#pragma once
// The program from start to end: one copy per logon session, the properties
// window and the notice created hidden, the message loop, and the release of
// the single-instance mutex.
#include <functional>

#include "ports/program_entry_port.hpp"

class MainForm;

// Per logon session: no namespace prefix.
inline constexpr const char* kInstanceMutexName = "hKestl";

// createMainForm builds MainForm with its (hidden) window; its FormCreate has
// not run yet. Returns the process exit code: 0, also when another copy runs.
int runProgram(ProgramEntryPort& entry, const std::function<MainForm&()>& createMainForm);
