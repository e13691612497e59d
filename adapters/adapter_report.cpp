#include "adapters/adapter_report.h"

#include "adapters/adapter_list.h"
#include "common/window_toolkit.h"

namespace lumaret {

void RefreshReportBox(const std::function<void(const ReportSink&)>& listBlocks) {
  WindowToolkit& w = TheWindow();
  // The box is out of sight while the lines go in and shown once the whole
  // report is there: a shown box lays out, scrolls and redraws after each of
  // hundreds of appends, which kept the window busy for seconds on a machine
  // with many adapters (eight times as long as the same appends unseen).
  const bool shown = w.IsVisible(ControlId::编辑框1);
  if (shown) w.SetVisible(ControlId::编辑框1, false);
  w.SetTextW(ControlId::编辑框1, std::wstring());
  w.AppendTextW(ControlId::编辑框1, kAdapterReportHeader);
  listBlocks([&w](const std::wstring& line) { w.AppendTextW(ControlId::编辑框1, line); });
  if (shown) w.SetVisible(ControlId::编辑框1, true);
}

void OnRefreshAdaptersClicked() {
  RefreshReportBox(
      [](const ReportSink& sink) { ListAdapters(SystemAdaptersInfo, LookUpDnsServers, ReadConnectionName, sink); });
}

}  // namespace lumaret
