// The open and close buttons of the hosted network.
#pragma once

namespace lumaret {

// Click of 超级按钮_ope.
void OnOpenHotspotClicked();
// Click of 超级按钮_off.
void OnCloseHotspotClicked();

}  // namespace lumaret
