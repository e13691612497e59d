#include "hotspot/settings_file.h"

#include <windows.h>

#include <vector>

#include "common/encoding.h"
#include "common/run_directory.h"
#include "common/text.h"
#include "common/window_toolkit.h"
#include "hotspot/settings_path.h"

namespace lumaret {

std::string SettingsPath;
std::string SavedSsid;

std::string ReadSettingsValue(const std::string& path, const std::string& section, const std::string& key) {
  std::vector<char> buffer(kSettingsValueBufferSize, '\0');
  const DWORD n = GetPrivateProfileStringA(section.c_str(), key.c_str(), "", buffer.data(),
                                           static_cast<DWORD>(buffer.size()), path.c_str());
  return std::string(buffer.data(), n);
}

bool WriteSettingsValue(const std::string& path, const std::string& section, const std::string& key,
                        const std::string& value) {
  return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), path.c_str()) != FALSE;
}

void LoadSettings() {
  SettingsPath = SettingsPathFor(GetRunDirectory());
  SavedSsid = ReadSettingsValue(SettingsPath, kSettingsSection, kSsidKey);
  WindowToolkit& w = TheWindow();
  w.SetText(ControlId::编辑框_ssid, ReadSettingsValue(SettingsPath, kSettingsSection, kSsidKey));
  w.SetText(ControlId::编辑框_pw, ReadSettingsValue(SettingsPath, kSettingsSection, kCodeKey));
}

void SaveSettings() {
  const WindowToolkit& w = TheWindow();
  SaveSettingsValues(w.GetText(ControlId::编辑框_ssid), w.GetText(ControlId::编辑框_pw));
}

void SaveSettingsValues(const std::string& ssid, const std::string& code) {
  // The folder "Config" may be missing (a fresh copy of the program): make
  // it, or every save would be lost without a trace.
  const std::string folder = BeforeLastBackslash(SettingsPath, AnsiCodePage());
  if (!folder.empty() && GetFileAttributesA(folder.c_str()) == INVALID_FILE_ATTRIBUTES) {
    CreateDirectoryA(folder.c_str(), nullptr);
  }
  WriteSettingsValue(SettingsPath, kSettingsSection, kSsidKey, ssid);
  WriteSettingsValue(SettingsPath, kSettingsSection, kCodeKey, code);
}

}  // namespace lumaret
