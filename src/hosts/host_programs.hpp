#pragma once
// What the tool knows about the two host programs, which are not ours: the
// chat client (Orvex3) and its companion input helper (Quorla).

namespace hosts {

// The chat client's own INI file, named by its bare name so that the profile
// functions look for it in the Windows directory.
inline constexpr const char* kChatClientIni = "orvex3.ini";
inline constexpr const char* kChatClientSection = "ORVEX";
inline constexpr const char* kProductHDRoot = "ProductHDRoot";  // the folder holding ORVEX.exe
inline constexpr const char* kChatClientExe = "\\ORVEX.exe";     // appended to that folder
// Top-level window class of a running chat client.
inline constexpr const char* kChatClientClass = "PLTpmWin8388608";

// The companion is installed when this file exists in the Windows directory.
inline constexpr const char* kCompanionMarker = "\\Quorla.ini";

// Names the open-file dialog accepts, compared lower-cased.
inline constexpr const char* kCompanionExeName = "quorla.exe";
inline constexpr const char* kChatClientExeName = "orvex.exe";
inline constexpr const char* kCompanionPattern = "Quorla.exe";
inline constexpr const char* kChatClientPattern = "ORVEX.EXE";

// The shell's My Computer folder, where the open-file dialog starts.
inline constexpr const char* kMyComputer = "::{20D04FE0-3AEA-1069-A2D8-08002B30309D}";

}  // namespace hosts
