// Where the running executable lives.
#pragma once

#include <string>

namespace lumaret {

// The executable's full path as GetModuleFileNameA reports it, read whole
// however long it is (no 260-byte cut).
std::string GetExecutablePath();

// The executable's folder, without a trailing backslash; the empty text when
// the path holds no backslash.
std::string GetRunDirectory();

// The file name of the executable, with its extension.
std::string GetExecutableName();

// GetRunDirectory() + "\" + GetExecutableName().
std::string GetExecutableFullPath();

}  // namespace lumaret
