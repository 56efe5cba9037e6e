#include "hosts/host_launch.hpp"

#include "form/form_context.hpp"
#include "hosts/chat_client_ini.hpp"
#include "hosts/host_programs.hpp"
#include "hosts/launch_values.hpp"
#include "ports/win_constants.hpp"
#include "settings/setting_keys.hpp"

std::string companionCommandLine(const std::string& executable) { return '"' + executable + '"'; }

void HostLaunch::LaunchHostProgram() {
    const Platform& p = form_.platform;
    if (!form_.controls.Create_CheckBox.checked()) return;
    if (p.hostWindows.findWindow(hosts::kChatClientClass, nullptr) != 0) return;

    const std::string companion = form_.settings.readText(keys::kSettingGroup, keys::kQuorlaPath, "");
    if (!companion.empty()) {
        // A hand-edited path that is not the companion in a definite place
        // (the system would search its folders for a bare or relative one),
        // or that would close the quotes around it, starts nothing.
        if (hosts::isCompanionExecutable(companion)) p.shell.winExec(companionCommandLine(companion), win::kSwShow);
        return;
    }
    // The executable's path decides, not the folder's: an empty, missing or
    // relative folder would start whatever ORVEX.exe the current drive or
    // folder holds, while a drive alone (D:) gives the definite D:\ORVEX.exe.
    const std::string folder = ChatClientIni(p.profile, p.system).productHDRoot();
    const std::string executable = folder + hosts::kChatClientExe;
    if (!hosts::isDefiniteFilePath(executable)) return;
    // As a working folder a drive alone names that drive's current folder
    // (on our own drive, ours), not the root that holds ORVEX.exe.
    const bool driveAlone = folder.size() == 2 && folder[1] == ':';
    p.shell.shellExecute("OPEN", executable, "", driveAlone ? folder + '\\' : folder, win::kSwShow);
}
