#include "hosts/host_launch.hpp"

#include "app/form_context.hpp"
#include "hosts/chat_client_ini.hpp"
#include "hosts/host_programs.hpp"
#include "platform/win_constants.hpp"
#include "settings/setting_keys.hpp"

std::string companionCommandLine(const std::string& executable) { return '"' + executable + '"'; }

void HostLaunch::LaunchHostProgram() {
    const Platform& p = form_.platform;
    if (!form_.controls.Create_CheckBox.checked()) return;
    if (p.hostWindows.findWindow(hosts::kChatClientClass, nullptr) != 0) return;

    const std::string companion = form_.settings.readText(keys::kSettingGroup, keys::kQuorlaPath, "");
    if (!companion.empty()) {
        p.shell.winExec(companionCommandLine(companion), win::kSwShow);
        return;
    }
    // A missing key is not special: the attempt is made with "\ORVEX.exe".
    const std::string folder = ChatClientIni(p.profile, p.system).productHDRoot();
    p.shell.shellExecute("OPEN", folder + hosts::kChatClientExe, "", folder, win::kSwShow);
}
