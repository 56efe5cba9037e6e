// Times and measures programs from inside Wine for bench/run.sh, on one clock
// (QueryPerformanceCounter) for OrvexLog and the floor programs alike.
// Prints key=value pairs on one line; exit 0 = measured, 1 = failed.
// A WINDOW is a class name, or CLASS/TITLE for the one with that title.
//   bench_probe.exe save WINDOW WPARAM LPARAM FOLDER PATTERN SEC
//       post WM_COMMAND to WINDOW and time it until a file
//       matching FOLDER\PATTERN exists (written under another name and
//       renamed when complete), then until the window answers again; the
//       process's memory is sampled all the while
//   bench_probe.exe start CLASS CLOSE-MSG CLOSE-WPARAM SEC EXE [ARG]
//       start EXE (with ARG) and time it until its window of CLASS and then its tray
//       icon 1 exist; then end it with the close message and wait for it
//   bench_probe.exe list FOLDER
//       time one listing of FOLDER (FindFirstFile/FindNextFile), five times
//   bench_probe.exe mem WINDOW
//       working set and private bytes of the process owning WINDOW
//   bench_probe.exe host-steps CONTROL
//       time the calls a save makes on the log window's control (a handle):
//       WM_GETTEXTLENGTH, EM_SETSEL 0,-1, WM_COPY, EM_SETSEL 0,0
//   bench_probe.exe wait WINDOW SEC
//       wait until WINDOW exists
//   bench_probe.exe post WINDOW MSG WPARAM LPARAM
//       post a message to WINDOW
//   bench_probe.exe seq-steps FOLDER PREFIX INI N
//       the two steps a sequence-number search repeats per candidate, each
//       timed over N candidates: GetFileAttributesA of FOLDER\PREFIXn.rtf,
//       and the nine settings reads that build one log file name
#include <windows.h>
#include <psapi.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/win32/handles/unique_handle.hpp"

namespace {

constexpr DWORD kPollMs = 2;

double nowMs() {
    LARGE_INTEGER frequency{}, counter{};
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

unsigned long number(const char* s) { return std::strtoul(s, nullptr, 0); }

double kb(SIZE_T bytes) { return static_cast<double>(bytes) / 1024.0; }

HWND findWindow(const std::string& window) {
    const std::size_t slash = window.find('/');
    if (slash == std::string::npos) return FindWindowA(window.c_str(), nullptr);
    return FindWindowA(window.substr(0, slash).c_str(), window.substr(slash + 1).c_str());
}

bool fileMatches(const std::string& pattern) {
    WIN32_FIND_DATAA found{};
    const UniqueFind search(FindFirstFileA(pattern.c_str(), &found));
    return static_cast<bool>(search);
}

bool iconPresent(HWND window) {
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = window;
    data.uID = 1;
    // Modifying nothing succeeds only when the icon is there.
    return Shell_NotifyIconA(NIM_MODIFY, &data) != 0;
}

// Largest working set and private bytes seen over a series of samples.
class MemorySampler {
public:
    explicit MemorySampler(HWND window) {
        DWORD pid = 0;
        GetWindowThreadProcessId(window, &pid);
        process_.reset(OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid));
        sample();
        startWorkingSet_ = peakWorkingSet_;
        startPrivate_ = peakPrivate_;
    }

    void sample() {
        PROCESS_MEMORY_COUNTERS_EX counters{};
        counters.cb = sizeof counters;
        if (!process_ || !GetProcessMemoryInfo(process_.get(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                                               sizeof counters))
            return;
        peakWorkingSet_ = std::max(peakWorkingSet_, counters.WorkingSetSize);
        peakPrivate_ = std::max(peakPrivate_, counters.PrivateUsage);
        osPeakWorkingSet_ = counters.PeakWorkingSetSize;
    }

    // Wine answers PrivateUsage with 0 for another process; it is printed
    // all the same, for Windows.
    void print() const {
        std::printf(" ws_start_kb=%.0f ws_peak_kb=%.0f private_start_kb=%.0f private_peak_kb=%.0f os_peak_ws_kb=%.0f",
                    kb(startWorkingSet_), kb(peakWorkingSet_), kb(startPrivate_), kb(peakPrivate_),
                    kb(osPeakWorkingSet_));
    }

private:
    UniqueKernelHandle process_;
    SIZE_T startWorkingSet_ = 0, peakWorkingSet_ = 0, startPrivate_ = 0, peakPrivate_ = 0, osPeakWorkingSet_ = 0;
};

int timeSave(const char* target, WPARAM wParam, LPARAM lParam, const std::string& folder, const char* pattern,
             double seconds) {
    HWND window = findWindow(target);
    if (window == nullptr) {
        std::printf("error=no-window\n");
        return 1;
    }
    const std::string match = folder + "\\" + pattern;
    MemorySampler memory(window);
    const double start = nowMs();
    if (!PostMessageA(window, WM_COMMAND, wParam, lParam)) return 1;
    double fileMs = -1;
    while (nowMs() - start < seconds * 1000) {
        memory.sample();
        if (fileMatches(match)) {
            fileMs = nowMs() - start;
            break;
        }
        Sleep(kPollMs);
    }
    if (fileMs < 0) {
        std::printf("error=timeout\n");
        return 1;
    }
    DWORD_PTR result = 0;
    SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, static_cast<UINT>(seconds * 1000), &result);
    const double idleMs = nowMs() - start;
    memory.sample();
    std::printf("file_ms=%.1f idle_ms=%.1f", fileMs, idleMs);
    memory.print();
    std::printf("\n");
    return 0;
}

// A top-level window of CLASS owned by the process PID: a copy of the
// program still ending from an earlier run must not be taken for it.
HWND findWindowOf(const char* cls, DWORD pid) {
    for (HWND w = FindWindowExA(nullptr, nullptr, cls, nullptr); w != nullptr;
         w = FindWindowExA(nullptr, w, cls, nullptr)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(w, &owner);
        if (owner == pid) return w;
    }
    return nullptr;
}

int timeStart(const char* cls, UINT closeMessage, WPARAM closeWParam, double seconds, const char* exe,
              const char* arg) {
    std::string commandLine = std::string("\"") + exe + "\"";
    if (arg != nullptr) commandLine += std::string(" ") + arg;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    const double start = nowMs();
    if (!CreateProcessA(exe, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
        std::printf("error=cannot-start\n");
        return 1;
    }
    const UniqueKernelHandle process(info.hProcess);
    const UniqueKernelHandle thread(info.hThread);

    HWND window = nullptr;
    double windowMs = -1, iconMs = -1;
    while (nowMs() - start < seconds * 1000) {
        if (window == nullptr && (window = findWindowOf(cls, info.dwProcessId)) != nullptr) windowMs = nowMs() - start;
        if (window != nullptr && iconPresent(window)) {
            iconMs = nowMs() - start;
            break;
        }
        Sleep(1);
    }
    std::printf("window_ms=%.1f icon_ms=%.1f\n", windowMs, iconMs);

    if (window != nullptr) PostMessageA(window, closeMessage, closeWParam, 0);
    if (WaitForSingleObject(process.get(), static_cast<DWORD>(seconds * 1000)) != WAIT_OBJECT_0) {
        TerminateProcess(process.get(), 1);
        WaitForSingleObject(process.get(), 10000);
    }
    return iconMs >= 0 ? 0 : 1;
}

int timeListing(const std::string& folder) {
    std::vector<double> times;
    long entries = 0;
    for (int run = 0; run < 5; ++run) {
        const double start = nowMs();
        entries = 0;
        WIN32_FIND_DATAA found{};
        const UniqueFind search(FindFirstFileA((folder + "\\*").c_str(), &found));
        if (search) {
            do ++entries;
            while (FindNextFileA(search.get(), &found));
        }
        times.push_back(nowMs() - start);
    }
    const double first = times.front();
    std::sort(times.begin(), times.end());
    std::printf("first_ms=%.1f median_ms=%.1f entries=%ld\n", first, times[times.size() / 2], entries);
    return entries > 0 ? 0 : 1;
}

int printMemory(const char* target) {
    HWND window = findWindow(target);
    if (window == nullptr) return 1;
    MemorySampler memory(window);
    std::printf("ok=1");
    memory.print();
    std::printf("\n");
    return 0;
}

int timeSequenceSteps(const std::string& folder, const std::string& prefix, const std::string& ini, int count) {
    const double start = nowMs();
    int existing = 0;
    for (int n = 1; n <= count; ++n) {
        const std::string path = folder + "\\" + prefix + std::to_string(n) + ".rtf";
        if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) ++existing;
    }
    const double attributesMs = nowMs() - start;

    // The keys read for one name with the default naming settings.
    static const char* const kReads[][2] = {
        {"Setting_GroupBox", "OrvexLogPath"},     {"FileName_GroupBox", "TopFileName_Edit"},
        {"FileName_GroupBox", "Year_CheckBox"},   {"FileName_GroupBox", "Year2_RadioButton"},
        {"FileName_GroupBox", "Month_CheckBox"},  {"FileName_GroupBox", "Day_CheckBox"},
        {"FileName_GroupBox", "Plain_CheckBox"},  {"FileName_GroupBox", "Plain_RadioButton1"},
        {"File_TabSheet", "RichText_RadioButton"},
    };
    char value[2048];
    const double profileStart = nowMs();
    for (int n = 1; n <= count; ++n)
        for (const auto& read : kReads)
            GetPrivateProfileStringA(read[0], read[1], "", value, sizeof value, ini.c_str());
    const double profileMs = nowMs() - profileStart;
    std::printf("candidates=%d existing=%d attributes_ms=%.1f name_reads_ms=%.1f\n", count, existing, attributesMs,
                profileMs);
    return 0;
}

int timeHostSteps(HWND control) {
    if (!IsWindow(control)) return 1;
    const double t0 = nowMs();
    const LRESULT length = SendMessageA(control, WM_GETTEXTLENGTH, 0, 0);
    const double t1 = nowMs();
    SendMessageA(control, EM_SETSEL, 0, -1);
    const double t2 = nowMs();
    SendMessageA(control, WM_COPY, 0, 0);
    const double t3 = nowMs();
    SendMessageA(control, EM_SETSEL, 0, 0);
    const double t4 = nowMs();
    std::printf("length=%ld length_ms=%.1f select_all_ms=%.1f copy_ms=%.1f select_none_ms=%.1f\n",
                static_cast<long>(length), t1 - t0, t2 - t1, t3 - t2, t4 - t3);
    return 0;
}

int waitWindow(const char* target, double seconds) {
    const double start = nowMs();
    while (findWindow(target) == nullptr) {
        if (nowMs() - start >= seconds * 1000) return 1;
        Sleep(20);
    }
    return 0;
}

int postTo(const char* target, UINT message, WPARAM wParam, LPARAM lParam) {
    HWND window = findWindow(target);
    return window != nullptr && PostMessageA(window, message, wParam, lParam) ? 0 : 1;
}

int usage() {
    std::fputs("usage: bench_probe.exe save|start|list|seq-steps|host-steps|mem|wait|post ... (see bench_probe.cpp)\n", stderr);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return usage();
    const std::string cmd = argv[1];
    int rc = 2;
    if (cmd == "save" && argc == 8)
        rc = timeSave(argv[2], number(argv[3]), static_cast<LPARAM>(number(argv[4])), argv[5], argv[6],
                      std::atof(argv[7]));
    else if (cmd == "start" && (argc == 7 || argc == 8))
        rc = timeStart(argv[2], static_cast<UINT>(number(argv[3])), number(argv[4]), std::atof(argv[5]), argv[6],
                       argc == 8 ? argv[7] : nullptr);
    else if (cmd == "list" && argc == 3)
        rc = timeListing(argv[2]);
    else if (cmd == "seq-steps" && argc == 6)
        rc = timeSequenceSteps(argv[2], argv[3], argv[4], std::atoi(argv[5]));
    else if (cmd == "mem" && argc == 3)
        rc = printMemory(argv[2]);
    else if (cmd == "host-steps" && argc == 3)
        rc = timeHostSteps(reinterpret_cast<HWND>(static_cast<UINT_PTR>(number(argv[2]))));
    else if (cmd == "wait" && argc == 4)
        rc = waitWindow(argv[2], std::atof(argv[3]));
    else if (cmd == "post" && argc == 6)
        rc = postTo(argv[2], static_cast<UINT>(number(argv[3])), number(argv[4]), static_cast<LPARAM>(number(argv[5])));
    else
        return usage();
    std::fflush(stdout);
    return rc;
}
