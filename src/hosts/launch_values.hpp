#pragma once
// Which stored launch values may be started. They come from files that other
// programs or a hand edit may have changed, so a value is started only when it
// names the host program in a definite place: nothing is left to the current
// drive or folder, and nothing can add a program or arguments of its own.
#include <string_view>

namespace hosts {

// A path or folder in a definite place: a drive path (X:\...) or a UNC path
// (\\server\share...) with no quote, no stream (a ":" past the drive) and no
// device name (NUL, COM1, \\.\...). Empty, relative, drive-relative (X:dir) and
// rooted (\dir) paths are not.
bool isDefinitePath(std::string_view path);

// A definite path that can name a file: on a share, something inside it, as
// \\server\share alone is the share itself.
bool isDefiniteFilePath(std::string_view path);

// True when the name part (after the last "\" or ":") is `expected` in any
// letter case of its ASCII letters; the open-file dialog's rule.
bool namesExecutable(std::string_view path, std::string_view expected);

// The stored companion path may be run: a definite path (a quote would end
// the quotes the command line puts around it) to the companion's file name.
bool isCompanionExecutable(std::string_view path);

}  // namespace hosts
