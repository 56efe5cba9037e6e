// The floor of a resident tray program: one hidden window and one tray icon
// (identifier 1, callback WM_USER), nothing else. bench/run.sh times its
// start-up to the icon, its idle CPU and its memory beside OrvexLog's.
// WM_CLOSE removes the icon and ends it.
//   minimal_tray.exe [libs] [dlls=A.dll,B.dll,...]
// "libs" first does what OrvexLog once did before its window: OLE for the
// user-interface thread, the common controls, riched32.dll (bench/run.sh
// --explain), to tell that cost from the rest of OrvexLog's start-up.
// "dlls=" loads the DLLs named (bench/run.sh passes those OrvexLog.exe
// imports) and does nothing with them: what loading them alone costs in
// start-up time and memory. Both load by name, so that without them the
// program imports nothing beyond user32 and shell32 and stays the floor.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "platform/win32/handles/unique_handle.hpp"

namespace {

// A function of a library loaded by name.
template <typename F>
F function(const UniqueModule& module, const char* name) {
    if (!module) return nullptr;
    return reinterpret_cast<F>(reinterpret_cast<void (*)()>(GetProcAddress(module.get(), name)));
}

// OLE, the common controls and riched32.dll, as OrvexLog sets them up.
class Libraries {
public:
    Libraries()
        : ole_(LoadLibraryA("ole32.dll")), controls_(LoadLibraryA("comctl32.dll")),
          richEdit_(LoadLibraryA("riched32.dll")) {
        using OleInit = HRESULT(WINAPI*)(LPVOID);
        using ControlsInit = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
        if (auto init = function<OleInit>(ole_, "OleInitialize")) oleReady_ = SUCCEEDED(init(nullptr));
        if (auto init = function<ControlsInit>(controls_, "InitCommonControlsEx")) {
            INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX),
                                         ICC_WIN95_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES};
            init(&classes);
        }
    }
    ~Libraries() {
        using OleEnd = void(WINAPI*)();
        if (auto end = function<OleEnd>(ole_, "OleUninitialize"); end != nullptr && oleReady_) end();
    }
    Libraries(const Libraries&) = delete;
    Libraries& operator=(const Libraries&) = delete;

private:
    UniqueModule ole_, controls_, richEdit_;
    bool oleReady_ = false;
};

// The DLLs of a comma-separated list, loaded for as long as the program runs.
std::vector<UniqueModule> loadDlls(const char* list) {
    std::vector<UniqueModule> loaded;
    std::string name;
    for (const char* c = list;; ++c) {
        if (*c == ',' || *c == ' ' || *c == '\0') {
            if (!name.empty()) loaded.emplace_back(LoadLibraryA(name.c_str()));
            name.clear();
            if (*c != ',') break;
        } else {
            name += *c;
        }
    }
    return loaded;
}

// With "dlls=" the class has its own name, so that bench/run.sh can wait
// for each of two copies running side by side.
constexpr const char* kClassName = "OrvexBenchTray";
constexpr const char* kDllsClassName = "OrvexBenchTrayDlls";
constexpr UINT kIconId = 1;

NOTIFYICONDATAA iconData(HWND window) {
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = window;
    data.uID = kIconId;
    return data;
}

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE) {
        NOTIFYICONDATAA data = iconData(window);
        Shell_NotifyIconA(NIM_DELETE, &data);
        DestroyWindow(window);
        return 0;
    }
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    const bool libs = std::strstr(commandLine, "libs") != nullptr;
    std::optional<Libraries> libraries;
    if (libs) libraries.emplace();
    const char* dllList = std::strstr(commandLine, "dlls=");
    const std::vector<UniqueModule> dlls = loadDlls(dllList != nullptr ? dllList + 5 : "");
    const char* className = dllList != nullptr ? kDllsClassName : kClassName;

    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = className;
    if (RegisterClassA(&windowClass) == 0) return 1;
    HWND window = CreateWindowExA(0, className, className, WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr,
                                  instance, nullptr);
    if (window == nullptr) return 1;

    NOTIFYICONDATAA data = iconData(window);
    data.uFlags = NIF_ICON | NIF_MESSAGE | NIF_TIP;
    data.uCallbackMessage = WM_USER;
    // A shared system icon: nothing to destroy.
    data.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    lstrcpynA(data.szTip, className, sizeof data.szTip);
    if (!Shell_NotifyIconA(NIM_ADD, &data)) {
        DestroyWindow(window);
        return 1;
    }

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
