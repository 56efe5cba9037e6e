// The floor of a resident tray program: one hidden window and one tray icon
// (identifier 1, callback WM_USER), nothing else. bench/run.sh times its
// start-up to the icon, its idle CPU and its memory beside OrvexLog's.
// WM_CLOSE removes the icon and ends it.
#include <windows.h>
#include <shellapi.h>

namespace {

constexpr const char* kClassName = "OrvexBenchTray";
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

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kClassName;
    if (RegisterClassA(&windowClass) == 0) return 1;
    HWND window = CreateWindowExA(0, kClassName, kClassName, WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr,
                                  instance, nullptr);
    if (window == nullptr) return 1;

    NOTIFYICONDATAA data = iconData(window);
    data.uFlags = NIF_ICON | NIF_MESSAGE | NIF_TIP;
    data.uCallbackMessage = WM_USER;
    // A shared system icon: nothing to destroy.
    data.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    lstrcpynA(data.szTip, kClassName, sizeof data.szTip);
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
