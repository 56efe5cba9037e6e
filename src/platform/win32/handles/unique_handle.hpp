#pragma once
// handles/: owners of handles, GDI selections, COM and DLLs. Uses the Windows headers only.
//
// One small owner for every kind of Win32 handle: the handle is released by
// its own function when the owner goes, on every path.
#include <windows.h>

#include <utility>

template <typename Traits>
class UniqueHandle {
public:
    using T = typename Traits::Type;

    UniqueHandle() = default;
    explicit UniqueHandle(T handle) : handle_(handle) {}
    ~UniqueHandle() { reset(); }
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, Traits::invalid())) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) reset(std::exchange(other.handle_, Traits::invalid()));
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    T get() const { return handle_; }
    explicit operator bool() const { return handle_ != Traits::invalid(); }
    T release() { return std::exchange(handle_, Traits::invalid()); }
    void reset(T handle = Traits::invalid()) {
        if (handle_ != Traits::invalid()) Traits::release(handle_);
        handle_ = handle;
    }

private:
    T handle_ = Traits::invalid();
};

// Handles whose "none" is null.
template <typename H, auto Release>
struct NullHandleTraits {
    using Type = H;
    static H invalid() { return nullptr; }
    static void release(H h) { Release(h); }
};

// Handles whose "none" is INVALID_HANDLE_VALUE.
template <auto Release>
struct InvalidHandleTraits {
    using Type = HANDLE;
    static HANDLE invalid() { return INVALID_HANDLE_VALUE; }
    static void release(HANDLE h) { Release(h); }
};

using UniqueHwnd = UniqueHandle<NullHandleTraits<HWND, &DestroyWindow>>;
using UniqueKernelHandle = UniqueHandle<NullHandleTraits<HANDLE, &CloseHandle>>;
using UniqueFont = UniqueHandle<NullHandleTraits<HFONT, &DeleteObject>>;
using UniqueBrush = UniqueHandle<NullHandleTraits<HBRUSH, &DeleteObject>>;
using UniqueIcon = UniqueHandle<NullHandleTraits<HICON, &DestroyIcon>>;
using UniqueMenu = UniqueHandle<NullHandleTraits<HMENU, &DestroyMenu>>;
using UniqueModule = UniqueHandle<NullHandleTraits<HMODULE, &FreeLibrary>>;
using UniqueHook = UniqueHandle<NullHandleTraits<HHOOK, &UnhookWindowsHookEx>>;
using UniqueFile = UniqueHandle<InvalidHandleTraits<&CloseHandle>>;
using UniqueFind = UniqueHandle<InvalidHandleTraits<&FindClose>>;
