#pragma once
// The simulated desktop keeps real files in a temporary folder of the host.
// Windows paths map onto it: "C:\Logs\a.rtf" -> <root>/C/Logs/a.rtf. The
// mapping splits on whole CP932 characters, so 表 (95 5C) stays one name.
#include <string>

namespace sim {

// Folder of the host under which drive letters appear; set by each test.
void setFileRoot(const std::string& hostFolder);
const std::string& fileRoot();

// Host path for a Windows path. Relative paths map under <root>/cwd/.
// Drive letters are upper-cased so that c:\x and C:\x are the same file.
// "/" separates like "\", "." and ".." never climb above the drive, and the
// path ends at a NUL, so every path stays under the root.
std::string hostPath(const std::string& windowsPath);

}  // namespace sim
