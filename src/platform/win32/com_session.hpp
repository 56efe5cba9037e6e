#pragma once
// OLE for the user-interface thread (the rich edit's clipboard goes through
// it) and the libraries that must stay loaded while the windows live.
#include <windows.h>
#include <ole2.h>

#include <optional>

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

// OLE started the first time something needs it (the holder's paste, the
// folder browser) rather than at start-up, where it would delay the tray
// icon; it ends with the owner.
class OleOnDemand {
public:
    void ensure() {
        if (!session_) session_.emplace();
    }

private:
    std::optional<OleSession> session_;
};
