#include "hotspot/settings_path.h"

namespace lumaret {

const char kSettingsSection[] = "Wifi";
const char kSsidKey[] = "SSID";
const char kCodeKey[] = "CODE";

std::string SettingsPathFor(const std::string& runDirectory) { return runDirectory + "\\Config\\Config.ini"; }

}  // namespace lumaret
