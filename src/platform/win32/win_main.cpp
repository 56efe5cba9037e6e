// Program entry of OrvexLog.exe. For now it only brings up what every later
// window needs (OLE for the rich edit's clipboard, the common controls, the
// Rich Edit 1.0 library) and returns; the resident program replaces this file.
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

namespace {

// OLE stays initialised for the life of the user-interface thread.
class OleSession {
public:
    OleSession() : ok_(SUCCEEDED(OleInitialize(nullptr))) {}
    ~OleSession() {
        if (ok_) OleUninitialize();
    }
    OleSession(const OleSession&) = delete;
    OleSession& operator=(const OleSession&) = delete;
    bool ok() const { return ok_; }

private:
    bool ok_;
};

class Library {
public:
    explicit Library(const char* name) : module_(LoadLibraryA(name)) {}
    ~Library() {
        if (module_ != nullptr) FreeLibrary(module_);
    }
    Library(const Library&) = delete;
    Library& operator=(const Library&) = delete;
    bool loaded() const { return module_ != nullptr; }

private:
    HMODULE module_;
};

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    OleSession ole;
    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    Library richEdit("riched32.dll");
    return ole.ok() && richEdit.loaded() ? 0 : 1;
}
