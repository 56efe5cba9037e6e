#pragma once
// A system DLL loaded the first time one of its functions is asked for
// rather than imported. Every imported DLL is loaded, with the DLLs it needs
// in turn, before the program's first line runs; the common controls, the
// common dialogs and OLE (which bring COM, RPC and the print spooler) cost
// more start-up time and idle memory than all the rest of the program. The
// DLL stays loaded while its owner lives.
#include <windows.h>

#include "platform/win32/handles/unique_handle.hpp"

class OnDemandLibrary {
public:
    explicit OnDemandLibrary(const char* fileName) : fileName_(fileName) {}
    OnDemandLibrary(const OnDemandLibrary&) = delete;
    OnDemandLibrary& operator=(const OnDemandLibrary&) = delete;

    // The function of that name, loading the DLL first if need be; null
    // when the DLL or the function cannot be found.
    template <typename F>
    F function(const char* name) {
        if (!module_) module_.reset(LoadLibraryA(fileName_));
        if (!module_) return nullptr;
        return reinterpret_cast<F>(reinterpret_cast<void (*)()>(GetProcAddress(module_.get(), name)));
    }

private:
    const char* fileName_;
    UniqueModule module_;
};
