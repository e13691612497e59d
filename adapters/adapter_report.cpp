#include "adapters/adapter_report.h"

#include "adapters/adapter_list.h"
#include "app/main_window.h"

namespace lumaret {

void OnRefreshAdaptersClicked() {
  MainWindow& w = TheMainWindow();
  w.SetTextW(ControlId::编辑框1, std::wstring());
  w.AppendTextW(ControlId::编辑框1, kAdapterReportHeader);
  ListAdapters();
}

void ListAdapters() {
  ListAdapters(GetAdaptersInfo, LookUpDnsServers, ReadConnectionName,
               [](const std::wstring& line) { TheMainWindow().AppendTextW(ControlId::编辑框1, line); });
}

}  // namespace lumaret
