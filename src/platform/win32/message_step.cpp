#include "platform/win32/message_step.hpp"

namespace {
thread_local int t_holdingInput = 0;

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

bool takeMessage(MSG& msg) {
    const UINT only = t_holdingInput > 0 ? PM_QS_SENDMESSAGE | PM_QS_POSTMESSAGE | PM_QS_PAINT : 0;
    return PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE | only) != 0;
}

DWORD wakeMask() { return t_holdingInput > 0 ? QS_ALLINPUT & ~QS_INPUT : QS_ALLINPUT; }

HoldInput::HoldInput() { ++t_holdingInput; }
HoldInput::~HoldInput() { --t_holdingInput; }
