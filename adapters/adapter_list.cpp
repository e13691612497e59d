#include "adapters/adapter_list.h"

#include "common/encoding.h"
#include "common/system_library.h"
#include "common/win_handles.h"
#include "common/text.h"

namespace lumaret {

namespace {

// How often a call is made with a buffer after the length was asked for,
// when the length keeps growing in between.
constexpr int kBufferAttempts = 4;

SystemLibrary& IpHelper() {
  static SystemLibrary library(L"iphlpapi.dll");
  return library;
}

std::string AddressText(const IP_ADDR_STRING& a) { return FieldText(a.IpAddress.String, sizeof a.IpAddress.String); }
std::string MaskText(const IP_ADDR_STRING& a) { return FieldText(a.IpMask.String, sizeof a.IpMask.String); }

// The two-call protocol of the IP Helper: ask for the length, then call with
// a zero-filled buffer of it, again while the answer is "buffer too small".
template <typename Call>
bool CallWithBuffer(const Call& call, std::vector<unsigned char>& buffer) {
  ULONG length = 0;
  call(nullptr, &length);
  for (int attempt = 0; attempt < kBufferAttempts; ++attempt) {
    buffer.assign(length, 0);
    const DWORD result = call(buffer.empty() ? nullptr : buffer.data(), &length);
    if (result == ERROR_SUCCESS) return true;
    if (result != ERROR_BUFFER_OVERFLOW) break;
  }
  std::vector<unsigned char>().swap(buffer);
  return false;
}

}  // namespace

void WalkAdapterReport(const IP_ADAPTER_INFO* first, const DnsLookup& dns, const ConnectionNameLookup& name,
                       const ReportSink& sink) {
  AdapterEntry entry;
  for (const IP_ADAPTER_INFO* a = first; a; a = a->Next) {
    entry.description = FieldText(a->Description, sizeof a->Description);
    entry.mac = MacText(a->Address, a->AddressLength);
    entry.ip = AddressText(a->IpAddressList);
    entry.mask = MaskText(a->IpAddressList);
    entry.gateway = AddressText(a->GatewayList);
    entry.connectionName = name ? name(FieldText(a->AdapterName, sizeof a->AdapterName)) : std::string();
    DnsServers servers = dns ? dns(a->Index) : DnsServers{};
    entry.dns1 = std::move(servers.first);
    entry.dns2 = std::move(servers.second);
    for (const ReportLine& line : ReportLines(entry)) sink(line.label + AnsiToWide(line.value) + line.end);
  }
}

std::wstring BuildAdapterReport(const IP_ADAPTER_INFO* first, const DnsLookup& dns,
                                const ConnectionNameLookup& name) {
  std::wstring report = kAdapterReportHeader;
  WalkAdapterReport(first, dns, name, [&report](const std::wstring& line) { report += line; });
  return report;
}

bool FetchAdapterList(const AdapterListCall& call, std::vector<unsigned char>& buffer) {
  return CallWithBuffer(
      [&call](unsigned char* data, ULONG* length) { return call(reinterpret_cast<IP_ADAPTER_INFO*>(data), length); },
      buffer);
}

void ListAdapters(const AdapterListCall& call, const DnsLookup& dns, const ConnectionNameLookup& name,
                  const ReportSink& sink) {
  std::vector<unsigned char> buffer;
  if (!FetchAdapterList(call, buffer) || buffer.size() < sizeof(IP_ADAPTER_INFO)) return;
  WalkAdapterReport(reinterpret_cast<const IP_ADAPTER_INFO*>(buffer.data()), dns, name, sink);
}

DnsServers FirstTwoDnsServers(const IP_PER_ADAPTER_INFO& info) {
  DnsServers servers;
  servers.first = AddressText(info.DnsServerList);
  if (const IP_ADDR_STRING* next = info.DnsServerList.Next) servers.second = AddressText(*next);
  return servers;
}

DWORD SystemAdaptersInfo(IP_ADAPTER_INFO* buffer, ULONG* length) {
  static SystemFunction<decltype(::GetAdaptersInfo)> getAdaptersInfo(IpHelper(), "GetAdaptersInfo");
  return getAdaptersInfo ? getAdaptersInfo(buffer, length) : ERROR_MOD_NOT_FOUND;
}

DnsServers LookUpDnsServers(DWORD adapterIndex) {
  static SystemFunction<decltype(::GetPerAdapterInfo)> getPerAdapterInfo(IpHelper(), "GetPerAdapterInfo");
  if (!getPerAdapterInfo) return {};
  std::vector<unsigned char> buffer;
  const bool ok = CallWithBuffer(
      [adapterIndex](unsigned char* data, ULONG* length) {
        return getPerAdapterInfo(adapterIndex, reinterpret_cast<IP_PER_ADAPTER_INFO*>(data), length);
      },
      buffer);
  if (!ok || buffer.size() < sizeof(IP_PER_ADAPTER_INFO)) return {};
  return FirstTwoDnsServers(*reinterpret_cast<const IP_PER_ADAPTER_INFO*>(buffer.data()));
}

std::string ReadRegistryText(HKEY root, const std::string& keyPath, const std::string& valueName) {
  RegKey key;
  if (RegOpenKeyExA(root, keyPath.c_str(), 0, KEY_READ, key.put()) != ERROR_SUCCESS) return std::string();
  DWORD type = 0;
  DWORD size = 0;
  std::vector<char> data;
  LONG read = ERROR_MORE_DATA;
  // Again with the new size should the value grow between the two queries.
  for (int attempt = 0; attempt < kBufferAttempts && read == ERROR_MORE_DATA; ++attempt) {
    if (RegQueryValueExA(key.get(), valueName.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) {
      return std::string();
    }
    data.assign(size + 1, '\0');  // a zero after the data, which may lack its own
    read = RegQueryValueExA(key.get(), valueName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()),
                            &size);
  }
  if (read != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return std::string();
  const std::string text = FieldText(data.data(), size);
  if (type == REG_SZ || text.empty()) return text;

  std::vector<char> expanded(ExpandEnvironmentStringsA(text.c_str(), nullptr, 0) + 1, '\0');
  const DWORD got = ExpandEnvironmentStringsA(text.c_str(), expanded.data(), static_cast<DWORD>(expanded.size()));
  if (got == 0 || got > expanded.size()) return std::string();
  return FieldText(expanded.data(), expanded.size());
}

std::string ReadConnectionName(const std::string& adapterName) {
  const std::string path =
      "SYSTEM\\CurrentControlSet\\Control\\Network\\{4D36E972-E325-11CE-BFC1-08002BE10318}\\" + adapterName +
      "\\Connection\\Name";
  return ReadRegistryText(HKEY_LOCAL_MACHINE, BeforeLastBackslash(path, AnsiCodePage()),
                          AfterLastBackslash(path, AnsiCodePage()));
}

}  // namespace lumaret
