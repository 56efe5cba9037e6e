#include "options.hpp"

#include <charconv>
#include <string_view>

namespace standin {

std::vector<std::string> splitCommandLine(const std::string& line) {
    std::vector<std::string> args;
    std::size_t i = 0;
    const std::size_t n = line.size();
    while (true) {
        while (i < n && (line[i] == ' ' || line[i] == '\t')) ++i;
        if (i >= n) break;
        std::string arg;
        bool quoted = false;
        while (i < n && (quoted || (line[i] != ' ' && line[i] != '\t'))) {
            std::size_t slashes = 0;
            while (i < n && line[i] == '\\') {
                ++slashes;
                ++i;
            }
            if (i < n && line[i] == '"') {
                arg.append(slashes / 2, '\\');
                if (slashes % 2 == 1) {
                    arg += '"';
                } else if (quoted && i + 1 < n && line[i + 1] == '"') {
                    arg += '"';  // "" inside quotes is a literal quote
                    ++i;
                } else {
                    quoted = !quoted;
                }
                ++i;
            } else {
                arg.append(slashes, '\\');
                if (i < n && (quoted || (line[i] != ' ' && line[i] != '\t'))) {
                    arg += line[i];
                    ++i;
                }
            }
        }
        args.push_back(std::move(arg));
    }
    return args;
}

namespace {

bool parseNumber(std::string_view text, unsigned long& out) {
    if (text.empty()) return false;
    const auto* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, out);
    return ec == std::errc() && ptr == end;
}

bool parseSource(std::string_view text, TextSource& out) {
    if (text == "sample") {
        out.kind = TextSource::Kind::Sample;
    } else if (text == "empty") {
        out.kind = TextSource::Kind::Empty;
    } else if (text.substr(0, 5) == "file:" && text.size() > 5) {
        out.kind = TextSource::Kind::File;
        out.path = std::string(text.substr(5));
    } else if (text.substr(0, 4) == "gen:") {
        out.kind = TextSource::Kind::Generated;
        if (!parseNumber(text.substr(4), out.kilobytes) || out.kilobytes == 0) return false;
    } else {
        return false;
    }
    return true;
}

}  // namespace

ParseResult parseOptions(const std::vector<std::string>& args) {
    ParseResult result;
    Options& o = result.options;
    for (const std::string& arg : args) {
        std::string_view a = arg;
        std::string_view name = a;
        std::string_view value;
        bool hasValue = false;
        if (auto eq = a.find('='); eq != std::string_view::npos) {
            name = a.substr(0, eq);
            value = a.substr(eq + 1);
            hasValue = true;
        }
        bool ok = true;
        if (name == "--companion") {
            unsigned long percent = 100;
            ok = !hasValue || (parseNumber(value, percent) && percent <= 999);
            if (ok) o.companionPercents.push_back(static_cast<int>(percent));
        } else if (name == "--client" && !hasValue) {
            o.client = true;
        } else if (name == "--companion-text" && hasValue) {
            ok = parseSource(value, o.companionText);
        } else if (name == "--client-text" && hasValue) {
            ok = parseSource(value, o.clientText);
        } else if (name == "--client-title" && hasValue) {
            o.clientTitle = std::string(value);
        } else if (name == "--ready" && hasValue && !value.empty()) {
            o.readyFile = std::string(value);
        } else if (name == "--dump" && hasValue && !value.empty()) {
            o.dumpFile = std::string(value);
        } else if (name == "--timeout" && hasValue) {
            ok = parseNumber(value, o.timeoutSeconds);
        } else if (name == "--busy" && hasValue) {
            ok = parseNumber(value, o.busySeconds);
        } else if (name == "--slow-copy" && hasValue) {
            ok = parseNumber(value, o.slowCopySeconds);
        } else if (name == "--silent-after-copy" && hasValue) {
            ok = parseNumber(value, o.silentAfterCopySeconds);
        } else if (name == "--hand-over" && hasValue) {
            unsigned long seconds = 0;
            ok = parseNumber(value, seconds);
            o.handOverSeconds = static_cast<long>(seconds);
        } else if (name == "--record") {
            o.record = true;
            o.recordFile = std::string(value);
        } else if (name == "--help" || name == "-h" || name == "/?") {
            o.help = true;
        } else {
            ok = false;
        }
        if (!ok) {
            result.error = "bad option: " + arg;
            return result;
        }
    }
    o.windowsRequested = !o.companionPercents.empty() || o.client;
    if (!o.windowsRequested) o.companionPercents.push_back(100);
    return result;
}

const char* usageText() {
    return "host_standin - plays the chat client's and the companion's log windows\n"
           "\n"
           "  --companion[=PCT]    companion log window \"LogDisplay (PCT%)\" (default 100;\n"
           "                       the number is right-aligned in three places after\n"
           "                       \"(\"); repeat for several windows\n"
           "  --client             chat client main window (class PLTpmWin8388608,\n"
           "                       child \"Chat Window\" holding an Edit control)\n"
           "                       With neither, one companion window at 100%.\n"
           "  --companion-text=SRC text of the companion's RICHEDIT (default sample)\n"
           "  --client-text=SRC    text of the chat client's Edit (default sample)\n"
           "       SRC: sample | empty | file:PATH (RTF when it starts with {\\rtf,\n"
           "            else CP932 text) | gen:KB (KB kilobytes of coloured lines)\n"
           "  --client-title=TEXT  title of the chat client's main window (Orvex3)\n"
           "  --ready=PATH         once the windows are up, write key=value lines\n"
           "                       (pid, window handles, text lengths) to PATH\n"
           "  --timeout=SEC        end by itself after SEC seconds\n"
           "  --busy=SEC           once the windows are up (and the ready file written),\n"
           "                       take no messages for SEC seconds, as a host loading\n"
           "                       a long log\n"
           "  --slow-copy=SEC      answer each WM_COPY from another program SEC seconds\n"
           "                       after copying, having appended copying=N to the\n"
           "                       ready file (and answered=N once it answers); at once\n"
           "                       when the ready file holds a line release=N\n"
           "  --silent-after-copy=SEC  answer WM_COPY from another program at once, then\n"
           "                       take no messages for SEC seconds (a paste then\n"
           "                       waits for the copy's data)\n"
           "  --hand-over=SEC      the companion copies as a promise of its own (its Rich\n"
           "                       Text and Unicode text, rendered when asked for) and\n"
           "                       hands each format over SEC seconds after it is asked,\n"
           "                       appending handing=N and handed=N to the ready file\n"
           "  --dump=PATH          write what the controls would hold and exit: the\n"
           "                       companion's Rich Text when PATH ends in .rtf, else\n"
           "                       the chat client's CP932 text\n"
           "  --record[=PATH]      append how it was started (exe, command line,\n"
           "                       working folder) to PATH and exit; PATH defaults to\n"
           "                       %HOST_STANDIN_RECORD%, else <exe>.launch.txt beside\n"
           "                       the exe. A copy not named host_standin.exe (e.g.\n"
           "                       ORVEX.exe, Quorla.exe) records by itself, and shows\n"
           "                       windows afterwards only when asked to.\n";
}

}  // namespace standin
