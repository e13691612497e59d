// The open and close buttons of the hotspot, and the status line's report
// of its real state.
//
// Each click chooses the way (mechanism_choice.h): the hosted network
// through netsh wherever Windows' WLAN API does not report it unavailable,
// the Windows Mobile Hotspot where it does (or, where the WLAN API cannot
// tell, after the hosted network failed to start). Both ways take the same
// name and password, the same checks and the same status texts.
//
// Each step (configure, start, stop) runs its command to the end (at most
// 30 s) while the window keeps handling its messages; both buttons are
// disabled meanwhile, so no two commands ever run at once. The status line
// 透明标签_tip tells what happens: a step counts as done only when its
// command exited with 0 and, where Windows' WLAN API tells the hotspot's
// state, the state agrees; a failure names its cause (hotspot_outcome.h).
// The tooltip of the status line holds the whole message, the connected
// devices and the command's output.
#pragma once

namespace lumaret {

// Click of 超级按钮_ope. Configures the hosted network first in a run that
// started without a saved name, or when the trimmed boxes differ from the
// saved name and password: the texts are checked, the desktop shortcut is
// made (first case only), the configuration runs, and only when it succeeded
// are the untrimmed box texts saved and the network started. The Mobile
// Hotspot's access point is given the name and password on every click
// (the texts checked first), by the same rules for the save and the
// shortcut.
void OnOpenHotspotClicked();

// Click of 超级按钮_off: stops the hosted network, or the Mobile Hotspot
// where that is the way in use.
void OnCloseHotspotClicked();

// Run when the window has been made: a hotspot that is already active is
// shown in the status line, which follows its real state from then on.
void ShowHotspotState();

// The exit clean-up: the watch ends and everything held from Windows goes.
void ReleaseHotspot();

}  // namespace lumaret
