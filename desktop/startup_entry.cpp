#include "desktop/startup_entry.h"

#include "common/encoding.h"
#include "common/run_directory.h"
#include "common/win_handles.h"
#include "common/window_toolkit.h"
#include "desktop/startup_entry_path.h"

namespace lumaret {

bool WriteRegistryText(HKEY root, const std::string& fullPath, const std::string& text) {
  const RegistryValuePath p = SplitRegistryValuePath(fullPath, AnsiCodePage());
  RegKey key;
  if (RegOpenKeyExA(root, p.keyPath.c_str(), 0, KEY_WRITE, key.put()) != ERROR_SUCCESS &&
      RegCreateKeyA(root, p.keyPath.c_str(), key.put()) != ERROR_SUCCESS) {
    return false;
  }
  return RegSetValueExA(key.get(), p.valueName.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                        static_cast<DWORD>(text.size() + 1)) == ERROR_SUCCESS;
}

bool DeleteRegistryValue(HKEY root, const std::string& fullPath) {
  const RegistryValuePath p = SplitRegistryValuePath(fullPath, AnsiCodePage());
  bool deleted = false;
  {
    RegKey key;
    if (RegOpenKeyExA(root, p.keyPath.c_str(), 0, KEY_WRITE, key.put()) == ERROR_SUCCESS) {
      deleted = RegDeleteValueA(key.get(), p.valueName.c_str()) == ERROR_SUCCESS;
    }
  }
  // No such value: a key of that name goes instead, if there is one.
  if (!deleted) deleted = RegDeleteKeyA(root, fullPath.c_str()) == ERROR_SUCCESS;
  return deleted;
}

bool RegistryValueExists(HKEY root, const std::string& fullPath) {
  const RegistryValuePath p = SplitRegistryValuePath(fullPath, AnsiCodePage());
  RegKey key;
  if (RegOpenKeyExA(root, p.keyPath.c_str(), 0, KEY_READ, key.put()) != ERROR_SUCCESS) return false;
  return RegQueryValueExA(key.get(), p.valueName.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

bool SetStartupEntry(const StartupRoots& roots, const std::string& entryName, const std::string& value, bool remove,
                     bool query) {
  const std::string fullPath = RunValueFullPath(entryName);
  if (query) return RegistryValueExists(roots.machine, fullPath) || RegistryValueExists(roots.user, fullPath);
  if (remove) {
    const bool machine = DeleteRegistryValue(roots.machine, fullPath);
    const bool user = DeleteRegistryValue(roots.user, fullPath);
    return machine || user;
  }
  if (WriteRegistryText(roots.machine, fullPath, value)) {
    // A copy left under the user's key by an earlier run without the right
    // to write the machine's would start the program a second time.
    if (RegistryValueExists(roots.user, fullPath)) DeleteRegistryValue(roots.user, fullPath);
    return true;
  }
  return WriteRegistryText(roots.user, fullPath, value);
}

bool SetStartupEntry(const std::string& entryName, const std::string& value, bool remove, bool query) {
  return SetStartupEntry(StartupRoots{}, entryName, value, remove, query);
}

void ApplyStartupToggle(const StartupRoots& roots) {
  WindowToolkit& w = TheWindow();
  if (w.GetChecked(ControlId::超级按钮)) {
    w.SetTextW(ControlId::超级按钮, kStartupOnCaption);
    if (SetStartupEntry(roots, kStartupEntryName, StartupCommandLine(GetExecutableFullPath()))) return;
    // Neither Run key took the value: the button must not claim it did.
    w.SetChecked(ControlId::超级按钮, false);
    w.SetTextW(ControlId::超级按钮, kStartupOffCaption);
    return;
  }
  w.SetTextW(ControlId::超级按钮, kStartupOffCaption);
  SetStartupEntry(roots, kStartupEntryName, std::string(), true);
}

void OnStartupToggleClicked() { ApplyStartupToggle(StartupRoots{}); }

void ShowStartupEntryState(const StartupRoots& roots) {
  WindowToolkit& w = TheWindow();
  const bool on = SetStartupEntry(roots, kStartupEntryName, std::string(), false, true);
  w.SetChecked(ControlId::超级按钮, on);
  w.SetTextW(ControlId::超级按钮, on ? kStartupOnCaption : kStartupOffCaption);
}

void ShowStartupEntryState() { ShowStartupEntryState(StartupRoots{}); }

}  // namespace lumaret
