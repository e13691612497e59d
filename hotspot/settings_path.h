// Where the settings file lives, and its section and key names. Pure.
#pragma once

#include <string>

namespace lumaret {

extern const char kSettingsSection[];  // "Wifi"
extern const char kSsidKey[];          // "SSID"
extern const char kCodeKey[];          // "CODE"

// Values are read into a buffer of this many bytes, so at most one byte
// less of a stored value reaches the program.
constexpr unsigned kSettingsValueBufferSize = 10240;

// The run directory (no trailing backslash) joined with "\Config\Config.ini".
std::string SettingsPathFor(const std::string& runDirectory);

}  // namespace lumaret
