#pragma once
// The few Windows message and flag values that the portable core speaks in.
// They are the documented Win32 values, so the Win32 layer passes them through
// unchanged and the simulated desktop interprets them.
#include <cstdint>

namespace win {

using Handle = std::uintptr_t;  // a window handle; 0 means none

inline constexpr unsigned kWmGetTextLength = 0x000E;
inline constexpr unsigned kWmCopy = 0x0301;
inline constexpr unsigned kWmPaste = 0x0302;
inline constexpr unsigned kEmSetSel = 0x00B1;
inline constexpr unsigned kWmUser = 0x0400;
inline constexpr unsigned kWmLButtonDown = 0x0201;
inline constexpr unsigned kWmLButtonDblClk = 0x0203;
inline constexpr unsigned kWmRButtonDown = 0x0204;
inline constexpr unsigned kWmMouseMove = 0x0200;
inline constexpr unsigned kWmLButtonUp = 0x0202;
inline constexpr unsigned kWmRButtonUp = 0x0205;
inline constexpr unsigned kWmContextMenu = 0x007B;
// The shell's version-4 notices: a left click done, the icon chosen from the
// keyboard (Enter, Space).
inline constexpr unsigned kNinSelect = 0x0400;
inline constexpr unsigned kNinKeySelect = 0x0401;

inline constexpr unsigned kMbOk = 0x0;
inline constexpr unsigned kMbYesNo = 0x4;
inline constexpr unsigned kMbIconError = 0x10;
inline constexpr unsigned kMbIconExclamation = 0x30;
inline constexpr int kIdOk = 1;
inline constexpr int kIdYes = 6;
inline constexpr int kIdNo = 7;

inline constexpr std::uint32_t kInvalidFileAttributes = 0xFFFFFFFFu;
inline constexpr std::uint32_t kFileAttributeDirectory = 0x10u;

inline constexpr int kSwShow = 5;

}  // namespace win
