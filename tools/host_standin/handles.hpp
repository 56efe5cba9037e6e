#pragma once
// Owner of the stand-in's top-level windows. Unlike UniqueHwnd it allows for
// a window that the user has closed (and so destroyed) already.
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

}  // namespace standin
