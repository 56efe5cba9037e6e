#include "platform/win32/properties/properties_keys.hpp"

#include <commctrl.h>

#include <algorithm>
#include <utility>

#include "platform/win32/properties/tab_order.hpp"

namespace {
PropertiesKeys* active = nullptr;  // the one object whose hook runs

bool held(int vk) { return (GetKeyState(vk) & 0x8000) != 0; }
}  // namespace

PropertiesKeys::PropertiesKeys(HWND top, HWND pageControl, std::vector<HWND> buttons)
    : top_(top), pageControl_(pageControl), buttons_(std::move(buttons)) {
    active = this;
    hook_.reset(SetWindowsHookExA(WH_MSGFILTER, &PropertiesKeys::messageFilter, nullptr, GetCurrentThreadId()));
}

PropertiesKeys::~PropertiesKeys() {
    hook_.reset();
    if (active == this) active = nullptr;
}

// IsDialogMessage offers each message to the thread's message filters before
// it acts on it; a filter that returns nonzero has handled it.
LRESULT CALLBACK PropertiesKeys::messageFilter(int code, WPARAM wParam, LPARAM lParam) {
    if (code == MSGF_DIALOGBOX && active != nullptr && lParam != 0 &&
        active->handleKey(*reinterpret_cast<const MSG*>(lParam)))
        return TRUE;
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

bool PropertiesKeys::handleKey(const MSG& msg) {
    if (msg.message != WM_KEYDOWN) return false;
    if (msg.hwnd != top_ && !IsChild(top_, msg.hwnd)) return false;
    if (!IsWindowVisible(top_) || !IsWindowEnabled(top_) || held(VK_MENU)) return false;
    const bool ctrl = held(VK_CONTROL);
    switch (msg.wParam) {
        case VK_TAB:
            if (ctrl) switchPage(held(VK_SHIFT));
            else moveFocus(held(VK_SHIFT));
            return true;
        case VK_NEXT:
        case VK_PRIOR:
            if (!ctrl) return false;
            switchPage(msg.wParam == VK_PRIOR);
            return true;
        default:
            return false;
    }
}

std::vector<HWND> PropertiesKeys::tabSequence() const {
    std::vector<HWND> sequence{pageControl_};
    if (HWND page = selectedPage(pageControl_))
        for (HWND w = GetWindow(page, GW_CHILD); w != nullptr; w = nextInTabOrder(page, w)) sequence.push_back(w);
    sequence.insert(sequence.end(), buttons_.begin(), buttons_.end());
    return sequence;
}

void PropertiesKeys::moveFocus(bool backward) {
    // A user of the keyboard sees where the focus is, as the dialog manager
    // shows it on its own keys.
    SendMessageA(top_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    const std::vector<HWND> sequence = tabSequence();
    const int count = static_cast<int>(sequence.size());
    // Where the focus is: the control itself or the nearest container of it
    // in the sequence; from outside, forward starts at the first control and
    // backward at the last.
    int at = backward ? count : -1;
    for (HWND w = GetFocus(); w != nullptr && w != top_; w = GetParent(w)) {
        const auto found = std::find(sequence.begin(), sequence.end(), w);
        if (found != sequence.end()) {
            at = static_cast<int>(found - sequence.begin());
            break;
        }
    }
    for (int step = 1; step <= count; ++step) {
        const int index = ((at + (backward ? -step : step)) % count + count) % count;
        HWND target = sequence[static_cast<std::size_t>(index)];
        if (!canTakeFocus(top_, target)) continue;
        // As the dialog manager does: an edit box reached by Tab has its
        // whole text selected.
        if ((SendMessageA(target, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) != 0) SendMessageA(target, EM_SETSEL, 0, -1);
        SetFocus(target);
        return;
    }
}

void PropertiesKeys::switchPage(bool backward) {
    const int count = static_cast<int>(SendMessageA(pageControl_, TCM_GETITEMCOUNT, 0, 0));
    if (count <= 0) return;
    const int now = static_cast<int>(SendMessageA(pageControl_, TCM_GETCURSEL, 0, 0));
    const int next = ((now + (backward ? -1 : 1)) % count + count) % count;
    HWND focus = GetFocus();
    const bool onOldPage = focus != nullptr && IsChild(pageAt(pageControl_, now), focus) != 0;
    selectPropertiesPage(pageControl_, next);
    // The focus must not stay on a control of the page that went out of
    // sight: it goes to the new page's first control, or to the tabs.
    if (!onOldPage) return;
    HWND page = selectedPage(pageControl_);
    HWND target = page != nullptr ? firstTabStopAfter(page, page) : nullptr;
    SetFocus(target != nullptr && canTakeFocus(top_, target) ? target : pageControl_);
}
