// Where the start-with-Windows value lives and what it holds. No Windows
// header in here: this is tested natively.
#pragma once

#include <string>
#include <vector>

#include "common/text.h"

namespace lumaret {

// The value's name under the Run key.
extern const char kStartupEntryName[];
// The Run key, with the backslash that the entry name follows.
extern const char kRunKeyPrefix[];

// The button's caption when the value is set and when it is not.
extern const wchar_t kStartupOnCaption[];
extern const wchar_t kStartupOffCaption[];

// A registry path split at its last backslash (stepping over two-byte
// characters): the key before it and the value name after it. Without a
// backslash the key path is empty: the value lies directly under the root.
struct RegistryValuePath {
  std::string keyPath;
  std::string valueName;
};
RegistryValuePath SplitRegistryValuePath(const std::string& fullPath, const CodePage& cp);

// kRunKeyPrefix + entry name.
std::string RunValueFullPath(const std::string& entryName);

// The program's path in double quotes, so that Windows never takes the part
// before a space as the program to start.
std::string QuotedProgramPath(const std::string& path);

// The argument that the Run value gives the program: started with it, it
// turns the hotspot on once its window shows.
extern const char kAutostartArgument[];  // "/autostart"

// The Run value's data: the quoted path, a space and kAutostartArgument.
std::string StartupCommandLine(const std::string& path);

// Whether the program's arguments (the words after its name) ask it to turn
// the hotspot on: one of them is kAutostartArgument, in any letter case.
// Every other word is ignored.
bool AsksToTurnOnHotspot(const std::vector<std::wstring>& arguments);

}  // namespace lumaret
