#pragma once
// Finding the window whose log is saved and its text control.
#include <string>

#include "ports/host_windows_port.hpp"

struct LogSource {
    win::Handle window = 0;   // the log window (companion's LogDisplay or the chat client)
    win::Handle control = 0;  // its text control
};

// "LogDisplay " + opening + n + "%)": "(" for 100, "( " for 10-99, "(  " below.
std::string companionTitle(int percent);

// The companion's log window from 100 % down to 1 % with its "RichEdit"
// child; failing that, the chat client's main window and the chain
// "Chat Window" -> "Edit".
LogSource findLogSource(HostWindowsPort& windows);

// The chat client's main window and its text control alone.
LogSource findChatClientSource(HostWindowsPort& windows);
