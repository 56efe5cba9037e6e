#pragma once
// window/: what every window stands on (class, message loop, placement, DPI, fonts). Uses handles/, text/.
//
// A window procedure base: maps each window to its object and hands every
// message to the object's handler, which only dispatches.
#include <windows.h>

#include <cstddef>

class WindowBase {
public:
    WindowBase() = default;
    WindowBase(const WindowBase&) = delete;
    WindowBase& operator=(const WindowBase&) = delete;
    virtual ~WindowBase() = default;

    HWND hwnd() const { return hwnd_; }

protected:
    // Registers the class once per process; the object is bound to the window
    // during WM_NCCREATE.
    static void registerClass(const char* className, HICON icon);
    HWND createWindow(DWORD exStyle, const char* className, const char* title, DWORD style, int x, int y, int width,
                      int height, HWND parent);
    virtual LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT defaultHandling(UINT message, WPARAM wParam, LPARAM lParam) {
        return DefWindowProcA(hwnd_, message, wParam, lParam);
    }

private:
    static LRESULT CALLBACK procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND hwnd_ = nullptr;
};

// Destroys one of our windows. Only a destruction started here takes the
// objects off their windows (the window's own and its children's): another
// program can send WM_DESTROY or WM_NCDESTROY as well.
void destroyOwnWindow(HWND window);

// Whether SIZE bytes at ADDRESS can be read: a pointer in a message that
// another program may have sent is checked before it is followed.
bool readableMemory(const void* address, std::size_t size);

// The header of a WM_NOTIFY, when lParam points at memory that can be read;
// another program can send any value there.
const NMHDR* notifyHeader(LPARAM lParam);

// A child control created on a window, with the window's font.
HWND createChild(HWND parent, const char* className, const char* text, DWORD style, int x, int y, int width,
                 int height, int id, HFONT font, DWORD exStyle = 0);
