// The adapter report in the information panel.
#pragma once

namespace lumaret {

// Click of 按钮2 (刷新): empties 编辑框1, appends the header, then ListAdapters.
void OnRefreshAdaptersClicked();

// Appends one block of eight lines to 编辑框1 for every adapter that
// GetAdaptersInfo reports, each line by its own append.
void ListAdapters();

}  // namespace lumaret
