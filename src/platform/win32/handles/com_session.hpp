#pragma once
// OLE for the user-interface thread (the folder browser and the shell's
// links need it). ole32.dll is loaded with the session, not imported: a program that
// never needs OLE never loads it.
#include <windows.h>

#include <optional>

#include "platform/win32/handles/on_demand_library.hpp"

class OleSession {
public:
    OleSession() {
        using Initialize = HRESULT(WINAPI*)(LPVOID);
        const auto initialize = ole32_.function<Initialize>("OleInitialize");
        ok_ = initialize != nullptr && SUCCEEDED(initialize(nullptr));
    }
    ~OleSession() {
        using Uninitialize = void(WINAPI*)();
        if (!ok_) return;
        if (const auto uninitialize = ole32_.function<Uninitialize>("OleUninitialize")) uninitialize();
    }
    OleSession(const OleSession&) = delete;
    OleSession& operator=(const OleSession&) = delete;
    bool ok() const { return ok_; }

private:
    OnDemandLibrary ole32_{"ole32.dll"};  // freed after the uninitialisation
    bool ok_ = false;
};

// OLE started the first time something needs it (the folder browser, a
// link) rather than at start-up, where it would delay the tray
// icon; it ends with the owner.
class OleOnDemand {
public:
    void ensure() {
        if (!session_) session_.emplace();
    }

private:
    std::optional<OleSession> session_;
};
