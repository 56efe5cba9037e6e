#pragma once
// Owners for the few Win32 handles the stand-in keeps.
#include <windows.h>

namespace standin {

class UniqueWindow {
public:
    UniqueWindow() = default;
    explicit UniqueWindow(HWND h) : h_(h) {}
    ~UniqueWindow() { reset(); }
    UniqueWindow(UniqueWindow&& o) noexcept : h_(o.h_) { o.h_ = nullptr; }
    UniqueWindow& operator=(UniqueWindow&& o) noexcept {
        if (this != &o) {
            reset();
            h_ = o.h_;
            o.h_ = nullptr;
        }
        return *this;
    }
    UniqueWindow(const UniqueWindow&) = delete;
    UniqueWindow& operator=(const UniqueWindow&) = delete;
    HWND get() const { return h_; }
    void reset() {
        if (h_ != nullptr && IsWindow(h_)) DestroyWindow(h_);
        h_ = nullptr;
    }

private:
    HWND h_ = nullptr;
};

class UniqueFont {
public:
    explicit UniqueFont(HFONT f = nullptr) : f_(f) {}
    ~UniqueFont() {
        if (f_ != nullptr) DeleteObject(f_);
    }
    UniqueFont(const UniqueFont&) = delete;
    UniqueFont& operator=(const UniqueFont&) = delete;
    HFONT get() const { return f_; }

private:
    HFONT f_;
};

class UniqueLibrary {
public:
    explicit UniqueLibrary(const char* name) : m_(LoadLibraryA(name)) {}
    ~UniqueLibrary() {
        if (m_ != nullptr) FreeLibrary(m_);
    }
    UniqueLibrary(const UniqueLibrary&) = delete;
    UniqueLibrary& operator=(const UniqueLibrary&) = delete;
    bool loaded() const { return m_ != nullptr; }

private:
    HMODULE m_;
};

}  // namespace standin
