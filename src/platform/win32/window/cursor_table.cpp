#include "platform/win32/window/cursor_table.hpp"

#include <array>

namespace {
std::array<HCURSOR, 4>& table() {
    static std::array<HCURSOR, 4> cursors{};
    return cursors;
}
}  // namespace

HCURSOR cursorSlot(int slot) {
    return slot >= 0 && slot < static_cast<int>(table().size()) ? table()[static_cast<std::size_t>(slot)] : nullptr;
}

void setCursorSlot(int slot, HCURSOR cursor) {
    if (slot >= 0 && slot < static_cast<int>(table().size())) table()[static_cast<std::size_t>(slot)] = cursor;
}
