#pragma once
// Command line of the host stand-in. See usageText() or tools/README.md.
#include <optional>
#include <string>
#include <vector>

namespace standin {

// Where a text control's content comes from.
struct TextSource {
    enum class Kind { Sample, Empty, File, Generated };
    Kind kind = Kind::Sample;
    std::string path;          // Kind::File
    unsigned long kilobytes = 0;  // Kind::Generated
};

struct Options {
    std::vector<int> companionPercents;  // one "LogDisplay" window each
    bool client = false;                 // the chat client's main window
    bool windowsRequested = false;       // --companion or --client was given
    TextSource companionText;
    TextSource clientText;
    std::string clientTitle = "Orvex3";
    std::string readyFile;               // written once the windows are up
    std::string dumpFile;                // write a control's content and exit
    unsigned long timeoutSeconds = 0;    // 0: run until closed
    unsigned long busySeconds = 0;       // takes no messages for this long once up
    unsigned long slowCopySeconds = 0;   // each WM_COPY from outside takes this long
    unsigned long silentAfterCopySeconds = 0;  // takes no messages this long after answering one
    long handOverSeconds = -1;           // the companion's copy is a promise handed over this late; -1: none
    bool record = false;                 // record how we were started
    std::string recordFile;              // empty: environment or beside the exe
    bool help = false;
};

struct ParseResult {
    Options options;
    std::string error;  // empty when the command line was understood
};

// Splits a command line the way the C runtime does (quotes, backslashes
// before quotes).
std::vector<std::string> splitCommandLine(const std::string& line);

ParseResult parseOptions(const std::vector<std::string>& args);

const char* usageText();

}  // namespace standin
