// The open and close buttons of the hosted network.
//
// Each netsh command runs to its end (at most 30 s) while the window keeps
// handling its messages; both buttons are disabled meanwhile, so no two
// commands ever run at once. The status line 透明标签_tip tells what happens,
// and a command counts as done only when netsh exited with 0.
#pragma once

namespace lumaret {

// Click of 超级按钮_ope. Configures the hosted network first in a run that
// started without a saved name, or when the trimmed boxes differ from the
// saved name and password: the texts are checked, the desktop shortcut is
// made (first case only), the configuration runs, and only when it succeeded
// are the untrimmed box texts saved and the network started.
void OnOpenHotspotClicked();

// Click of 超级按钮_off: stops the hosted network.
void OnCloseHotspotClicked();

}  // namespace lumaret
