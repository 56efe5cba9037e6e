#pragma once
// Writes the holder's content as one log file without ever leaving a
// half-written log: the data goes to a temporary file in the same folder,
// which replaces the target only once it is complete and flushed. A failure
// leaves any earlier log of that name untouched and removes the temporary.
// Temporary files that an earlier, interrupted save left in the folder are
// removed first. Where not even a short temporary name fits below the path
// limit, a log of a name not yet taken is written in place.
#include <functional>
#include <string>

#include "ports/file_system_port.hpp"
#include "ports/rich_holder_port.hpp"

enum class WriteResult { Written, CannotCreate, StreamFailed };

// Where a log goes. A time identifier's log replaces the one of the same
// minute. A numbered log never replaces a file: when its name is taken after
// the search found it free (a copy of the program in another session, a
// network folder's passing error during the test), nextFree gives the next
// free name and the log goes there.
struct LogTarget {
    std::string path;                        // after the write: the path used
    std::function<std::string()> nextFree;   // empty: replace what is there
};

WriteResult writeLogFile(FileSystemPort& files, RichHolderPort& holder, LogTarget& target);

// True for the names that writeLogFile uses for its temporary files; they end
// in ".tmp", so no log name (".rtf" or ".txt") can ever be one.
bool isTemporaryLogName(const std::string& fileName);
