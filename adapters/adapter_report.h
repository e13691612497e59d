// The adapter report in the information panel.
#pragma once

#include <functional>
#include <string>

namespace lumaret {

// Click of 按钮2 (刷新): empties 编辑框1, appends the header, then one block of
// eight lines for every adapter that GetAdaptersInfo reports (ListAdapters),
// each line by its own append. Without the IP Helper, the header alone.
void OnRefreshAdaptersClicked();

// The refresh itself: 编辑框1 emptied, the header appended, then every line
// that `listBlocks` hands to the sink it is given, each by its own append.
// The box is shown again, whole, at the end.
void RefreshReportBox(const std::function<void(const std::function<void(const std::wstring&)>&)>& listBlocks);

}  // namespace lumaret
