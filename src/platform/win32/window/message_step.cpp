#include "platform/win32/window/message_step.hpp"

namespace {
bool isDialogKey(UINT message) {
    // Typed characters go straight to their control: the dialog manager
    // would split a double-byte character on its way.
    return message >= WM_KEYFIRST && message <= WM_KEYLAST && message != WM_CHAR;
}
}  // namespace

void dispatchMessage(MSG& msg) {
    if (isDialogKey(msg.message) && msg.hwnd != nullptr) {
        const HWND root = GetAncestor(msg.hwnd, GA_ROOT);
        if (root != nullptr && GetWindowThreadProcessId(root, nullptr) == GetCurrentThreadId() &&
            IsDialogMessageA(root, &msg))
            return;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
}

bool takeMessage(MSG& msg) { return PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE) != 0; }
