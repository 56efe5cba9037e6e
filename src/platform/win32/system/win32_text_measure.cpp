#include "platform/win32/system/win32_text_measure.hpp"

#include <climits>

#include "platform/win32/handles/gdi_scopes.hpp"
#include "platform/win32/handles/unique_handle.hpp"

namespace {

using UniqueMemoryDc = UniqueHandle<NullHandleTraits<HDC, &DeleteDC>>;

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
