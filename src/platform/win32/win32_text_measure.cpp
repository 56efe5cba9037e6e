#include "platform/win32/win32_text_measure.hpp"

#include <climits>

#include "platform/win32/unique_handle.hpp"

namespace {

using UniqueMemoryDc = UniqueHandle<NullHandleTraits<HDC, &DeleteDC>>;

// Puts the previous object back into the DC when the scope ends.
class ScopedSelectObject {
public:
    ScopedSelectObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(object ? SelectObject(dc, object) : nullptr) {}
    ~ScopedSelectObject() {
        if (previous_ != nullptr && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
    }
    ScopedSelectObject(const ScopedSelectObject&) = delete;
    ScopedSelectObject& operator=(const ScopedSelectObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

}  // namespace

int Win32TextMeasure::width(std::string_view text) {
    if (text.empty()) return 0;
    if (text.size() > static_cast<std::size_t>(INT_MAX)) return INT_MAX;
    const UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
    // Without a DC nothing can be measured; a width of 0 leaves the path
    // uncut, which only affects how it is displayed.
    if (!dc) return 0;
    const ScopedSelectObject selected(dc.get(), font_);
    SIZE size{};
    if (!GetTextExtentPointA(dc.get(), text.data(), static_cast<int>(text.size()), &size)) return 0;
    return static_cast<int>(size.cx);
}
