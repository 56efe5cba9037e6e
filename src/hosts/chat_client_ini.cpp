#include "hosts/chat_client_ini.hpp"
#include <algorithm>

#include "errors/app_error.hpp"
#include "hosts/host_programs.hpp"
#include "ports/profile_port.hpp"
#include "ports/system_port.hpp"
#include "text/sjis.hpp"
#include "text/texts.hpp"

bool ChatClientIni::hasProductHDRoot() {
    const std::string wanted = sjis::lowerAscii(hosts::kProductHDRoot);
    return std::ranges::any_of(profile_.keyNames(hosts::kChatClientIni, hosts::kChatClientSection),
                               [&wanted](const std::string& key) { return sjis::lowerAscii(key) == wanted; });
}

std::string ChatClientIni::productHDRoot() {
    return profile_.read(hosts::kChatClientIni, hosts::kChatClientSection, hosts::kProductHDRoot, "");
}

void ChatClientIni::writeProductHDRoot(const std::string& folder) {
    if (profile_.write(hosts::kChatClientIni, hosts::kChatClientSection, hosts::kProductHDRoot, folder)) return;
    // The user is told the file's full place, not the bare name the profile
    // functions were given.
    std::string where = system_.windowsDirectory();
    if (!sjis::endsWithChar(where, '\\')) where += '\\';
    where += hosts::kChatClientIni;
    std::string message = txt::kCannotWriteFmt;
    message.replace(message.find("%s"), 2, where);
    throw AppError(message);
}
