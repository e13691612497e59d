// The adapter report in the information panel.
#pragma once

namespace lumaret {

// Click of 按钮2 (刷新).
void OnRefreshAdaptersClicked();

}  // namespace lumaret
