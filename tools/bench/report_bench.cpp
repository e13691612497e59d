// lumaret_report_bench --report-bench
// Times one refresh of the adapter report over 64 adapters built by hand:
// the box emptied, the header and every line appended to the real report
// box one by one, as the refresh button does. Prints the median of several
// refreshes, and the median of building the same report as one text.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "adapters/adapter_entry.h"
#include "adapters/adapter_list.h"
#include "adapters/adapter_report.h"
#include "adapters/tests/adapter_chain.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "tools/bench/timing.h"

int main() {
  using namespace lumaret;
  MainWindow& w = TheMainWindow();
  if (!w.Create(GetModuleHandleW(nullptr), LayOutAdapterPanel, nullptr)) return 1;
  w.Show();
  w.SetVisible(ControlId::分组框1, true);

  AdapterChain chain = SampleAdapterChain(64);
  const IP_ADAPTER_INFO* first = chain.First();
  const DnsLookup dns = [](DWORD index) {
    return DnsServers{"10.0.0." + std::to_string(index), "10.0.1." + std::to_string(index)};
  };
  const ConnectionNameLookup name = [](const std::string&) { return std::string("WLAN"); };

  std::vector<double> refresh, build;
  for (int i = 0; i < 15; ++i) {
    const double t0 = Now();
    RefreshReportBox([&](const ReportSink& sink) { WalkAdapterReport(first, dns, name, sink); });
    refresh.push_back(Now() - t0);

    const double t1 = Now();
    const std::wstring text = BuildAdapterReport(first, dns, name);
    build.push_back(Now() - t1);
    if (text.empty()) return 1;
  }
  std::printf("report_refresh_ms %.2f\n", Median(refresh) * 1000);
  std::printf("report_build_ms %.3f\n", Median(build) * 1000);
  std::printf("report_lines %d\n", static_cast<int>(SendMessageW(w.Control(ControlId::编辑框1), EM_GETLINECOUNT, 0, 0)));
  w.Destroy();
  return 0;
}
