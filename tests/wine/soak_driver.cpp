// Drives many saves of a running OrvexLog.exe as the tray and the auto-save
// timer would, answering every notice, from one process (a Wine start per
// message would make a soak of a thousand saves take an hour).
//   soak_driver.exe FOLDER FIRST COUNT
// Runs saves FIRST .. FIRST + COUNT - 1 (numbered from 1 over the whole
// soak): odd ones by a tray double click, even ones by an auto-save tick;
// every tenth holds a second, nested save started by a tick while its notice
// is open. After each, FOLDER must hold one more .rtf file per save (two for
// a nested one). Exit 0 when every save arrived, 1 at the first that did
// not, 2 for usage.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/win32/handles/unique_handle.hpp"
#include "tray_input.hpp"

namespace {

constexpr UINT kSaveTimer = 1;
constexpr DWORD kDeadlineMs = 60000;

template <typename Condition>
bool waitFor(Condition condition) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (condition()) return true;
        if (GetTickCount() - start >= kDeadlineMs) return false;
        Sleep(20);
    }
}

int countLogs(const std::string& folder) {
    WIN32_FIND_DATAA found{};
    const UniqueFind search(FindFirstFileA((folder + "\\*.rtf").c_str(), &found));
    if (!search) return 0;
    int n = 0;
    do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) ++n;
    } while (FindNextFileA(search.get(), &found));
    return n;
}

bool noticeVisible() {
    HWND notice = FindWindowA("TDialogForm", nullptr);
    return notice != nullptr && IsWindowVisible(notice);
}

bool post(const char* className, UINT message, WPARAM wParam, LPARAM lParam) {
    HWND w = FindWindowA(className, nullptr);
    return w != nullptr && PostMessageA(w, message, wParam, lParam);
}

bool startSave(long number) {
    if (number % 2 == 1) {
        HWND form = FindWindowA("TMainForm", nullptr);
        return form != nullptr && tray_input::send(form, WM_LBUTTONDBLCLK);
    }
    return post("TMainForm", WM_TIMER, kSaveTimer, 0);
}

// The caption and texts of a message box on screen, if any (CP932).
BOOL CALLBACK appendText(HWND child, LPARAM param) {
    char text[1024] = {};
    GetWindowTextA(child, text, sizeof text);
    if (text[0] != '\0') *reinterpret_cast<std::string*>(param) += std::string(" ") + text;
    return TRUE;
}

BOOL CALLBACK findBox(HWND w, LPARAM param) {
    char cls[16] = {};
    GetClassNameA(w, cls, sizeof cls);
    if (std::string(cls) != "#32770" || !IsWindowVisible(w)) return TRUE;
    char title[256] = {};
    GetWindowTextA(w, title, sizeof title);
    auto* out = reinterpret_cast<std::string*>(param);
    *out += std::string(" [box \"") + title + "\":";
    EnumChildWindows(w, appendText, param);
    *out += "]";
    return TRUE;
}

int failed(long number, const char* what, int logs) {
    std::string boxes;
    EnumWindows(findBox, reinterpret_cast<LPARAM>(&boxes));
    std::fprintf(stderr, "save %ld: %s (%d logs)%s\n", number, what, logs, boxes.c_str());
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fputs("usage: soak_driver.exe FOLDER FIRST COUNT\n", stderr);
        return 2;
    }
    const std::string folder = argv[1];
    const long first = std::atol(argv[2]);
    const long count = std::atol(argv[3]);
    int expected = countLogs(folder);
    const DWORD started = GetTickCount();
    for (long number = first; number < first + count; ++number) {
        const bool nested = number % 10 == 0;
        if (!startSave(number)) return failed(number, "OrvexLog is gone", expected);
        if (!waitFor(noticeVisible)) return failed(number, "no notice", countLogs(folder));
        expected += 1;
        if (!waitFor([&] { return countLogs(folder) == expected; })) return failed(number, "no log", countLogs(folder));
        if (nested) {
            // An auto-save tick while the notice waits for OK: a whole save
            // of its own, and the same notice stays up.
            if (!post("TMainForm", WM_TIMER, kSaveTimer, 0)) return failed(number, "OrvexLog is gone", expected);
            expected += 1;
            if (!waitFor([&] { return countLogs(folder) == expected; }))
                return failed(number, "no log from the nested save", countLogs(folder));
            if (!noticeVisible()) return failed(number, "the nested save closed the notice", expected);
        }
        if (!post("TDialogForm", WM_COMMAND, IDOK, 0)) return failed(number, "the notice is gone", expected);
        if (!waitFor([] { return !noticeVisible(); })) return failed(number, "the notice stayed", expected);
        if (number % 100 == 0)
            std::printf("%ld saves, %d logs, %lus\n", number, expected,
                        static_cast<unsigned long>((GetTickCount() - started) / 1000));
    }
    std::printf("%ld saves done, %d logs\n", first + count - 1, expected);
    return 0;
}
