#pragma once
// OLE for the user-interface thread (the rich edit's clipboard goes through
// it) and the libraries that must stay loaded while the windows live.
#include <windows.h>
#include <ole2.h>

#include "platform/win32/unique_handle.hpp"

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
