// The settings file beside the executable: the saved network name and
// password, in "Config\Config.ini", section "Wifi", keys "SSID" and "CODE".
#pragma once

#include <string>

namespace lumaret {

// The two texts that live for the whole run, set once by LoadSettings and
// released by the exit clean-up.
extern std::string SettingsPath;
extern std::string SavedSsid;

// GetPrivateProfileStringA with no default and a 10,240-byte buffer; a
// missing file, section or key gives the empty text.
std::string ReadSettingsValue(const std::string& path, const std::string& section, const std::string& key);

// WritePrivateProfileStringA; true when the platform reports success.
bool WriteSettingsValue(const std::string& path, const std::string& section, const std::string& key,
                        const std::string& value);

// Sets SettingsPath and SavedSsid and fills the name and password boxes.
void LoadSettings();

// Stores the current, untrimmed texts of the name and password boxes. The
// folder "Config" is made first when it is missing, so the save is not lost.
void SaveSettings();

// Stores the given name and password, as SaveSettings does with the boxes'
// texts. The open button passes the texts it configured the network with:
// the boxes may have changed while netsh ran.
void SaveSettingsValues(const std::string& ssid, const std::string& code);

}  // namespace lumaret
