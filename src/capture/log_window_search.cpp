#include "capture/log_window_search.hpp"

namespace {
constexpr const char* kCompanionTitleStart = "LogDisplay ";
constexpr const char* kCompanionControlClass = "RichEdit";
constexpr const char* kChatClientClass = "PLTpmWin8388608";
constexpr const char* kChatWindowTitle = "Chat Window";
constexpr const char* kChatControlClass = "Edit";
}  // namespace

std::string companionTitle(int percent) {
    const char* opening = percent >= 100 ? "(" : percent >= 10 ? "( " : "(  ";
    return std::string(kCompanionTitleStart) + opening + std::to_string(percent) + "%)";
}

LogSource findChatClientSource(HostWindowsPort& windows) {
    LogSource source;
    source.window = windows.findWindow(kChatClientClass, nullptr);
    if (source.window == 0) return source;
    const win::Handle chat = windows.findChild(source.window, nullptr, kChatWindowTitle);
    if (chat != 0) source.control = windows.findChild(chat, kChatControlClass, nullptr);
    return source;
}

LogSource findLogSource(HostWindowsPort& windows) {
    for (int percent = 100; percent >= 1; --percent) {
        const win::Handle window = windows.findWindow(nullptr, companionTitle(percent).c_str());
        if (window != 0) return {window, windows.findChild(window, kCompanionControlClass, nullptr)};
    }
    return findChatClientSource(windows);
}
