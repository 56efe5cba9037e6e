#pragma once
// Shift-JIS characters whose second byte is "\" (0x5C): a path or INI
// reader that goes byte by byte takes it for a separator or an escape.
#include <string>

inline const std::string kHyo = "\x95\x5C";  // 表
inline const std::string kSo = "\x83\x5C";   // ソ
