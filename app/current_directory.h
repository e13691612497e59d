// The folder that start-up makes the process's current directory. Pure: no
// Windows header.
#pragma once

#include <string>

namespace lumaret {

// The current directory for a run directory (the executable's folder as
// GetRunDirectory gives it, without a trailing backslash). In a drive root
// that text is a bare drive, "D:", which Windows reads as "the current
// directory of drive D", wherever that is; the root itself is "D:\". Every
// other folder is taken as it is; the empty text stays empty (no change).
std::string CurrentDirectoryFor(const std::string& runDirectory);

}  // namespace lumaret
