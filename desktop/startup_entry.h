// The start-with-Windows button and the Run value behind it.
#pragma once

#include <windows.h>

#include <string>

namespace lumaret {

// The two registry roots whose Run keys may hold the value: the machine-wide
// one first, and the current user's, which needs no elevation, when that
// one cannot be written. Tests pass roots of their own.
struct StartupRoots {
  HKEY machine = HKEY_LOCAL_MACHINE;
  HKEY user = HKEY_CURRENT_USER;
};

// The Run value `entryName`. Query goes before remove, remove before write:
//   query:  true when the value exists under either root;
//   remove: deletes it under both roots (or a subkey of that name, where
//           there is no such value); true when anything was deleted;
//   write:  stores `value` as REG_SZ under the machine root, and then drops
//           a per-user copy so that Windows starts the program once; when
//           the machine root refuses, stores it under the user root. True
//           when either root took it.
bool SetStartupEntry(const StartupRoots& roots, const std::string& entryName, const std::string& value = {},
                     bool remove = false, bool query = false);
// The same under HKEY_LOCAL_MACHINE and HKEY_CURRENT_USER.
bool SetStartupEntry(const std::string& entryName, const std::string& value = {}, bool remove = false,
                     bool query = false);

// Registry value by a full path under a root (split at its last backslash).
// Write: the key opened for writing, or created; the text with its zero.
bool WriteRegistryText(HKEY root, const std::string& fullPath, const std::string& text);
// Delete: the value, or else a key with the whole path as its name.
bool DeleteRegistryValue(HKEY root, const std::string& fullPath);
bool RegistryValueExists(HKEY root, const std::string& fullPath);

// Click of 超级按钮 (its checked state has already flipped). Checked: the
// caption says on and the quoted path of this executable, followed by
// " /autostart", is written (StartupCommandLine); when no
// root takes it, the button goes back to unchecked and says off. Unchecked:
// the caption says off and the value is removed from both roots.
void OnStartupToggleClicked();
void ApplyStartupToggle(const StartupRoots& roots);

// The button as the registry stands: checked, saying on, when the Run value
// exists; unchecked, saying off, otherwise. Run when the window is made.
void ShowStartupEntryState();
void ShowStartupEntryState(const StartupRoots& roots);

}  // namespace lumaret
