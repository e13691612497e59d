// The start-with-Windows button.
#pragma once

namespace lumaret {

// Click of 超级按钮 (its checked state has already flipped).
void OnStartupToggleClicked();

}  // namespace lumaret
