// The adapter report: the walk over records built by hand, the list and DNS
// calls, the registry reads, and the refresh button over the list Wine gives.
#include "adapters/adapter_list.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "adapters/adapter_report.h"
#include "adapters/tests/adapter_chain.h"
#include "testsupport/window_test_support.h"
#include "common/win_handles.h"

namespace lumaret {
namespace {

const std::string kNetworkClass =
    "SYSTEM\\CurrentControlSet\\Control\\Network\\{4D36E972-E325-11CE-BFC1-08002BE10318}\\";

// DNS servers by interface index, answered through a hand-built
// IP_PER_ADAPTER_INFO chain as GetPerAdapterInfo lays it out.
DnsServers DnsFromChain(const std::vector<const char*>& servers) {
  IP_PER_ADAPTER_INFO info{};
  std::vector<IP_ADDR_STRING> rest(servers.size());
  IP_ADDR_STRING* tail = &info.DnsServerList;
  for (std::size_t i = 0; i < servers.size(); ++i) {
    IP_ADDR_STRING* e = i == 0 ? &info.DnsServerList : &rest[i];
    AdapterChain::SetAddress(*e, servers[i], "");
    if (i > 0) tail->Next = e;
    tail = e;
  }
  return FirstTwoDnsServers(info);
}

std::vector<std::wstring> Block(const std::wstring& conn, const std::wstring& desc, const std::wstring& mac,
                                const std::wstring& ip, const std::wstring& mask, const std::wstring& gw,
                                const std::wstring& dns1, const std::wstring& dns2) {
  return {L"//连接名称: " + conn + L"\r\n", L"//名称: " + desc + L"\r\n", L"//Mac: " + mac + L"\r\n",
          L"//IP: " + ip + L"\r\n",         L"//掩码: " + mask + L"\r\n", L"//网关: " + gw + L"\r\n",
          L"//DNS1: " + dns1 + L"\r\n",     L"//DNS2: " + dns2 + L"\r\n\r\n\r\n"};
}

TEST(AdapterWalk, EachAdapterGetsItsOwnEightLines) {
  AdapterChain chain;
  // No DNS at all (the lookup fails).
  chain.Add("{A}", "Realtek PCIe GbE", {0x00, 0x1A, 0x2B, 0x03, 0x04, 0xFF}, 11, "192.168.1.20", "255.255.255.0",
            "192.168.1.1");
  // Three DNS servers; a GBK description.
  chain.Add("{B}", "\xCE\xDE\xCF\xDF\xCD\xF8\xBF\xA8", {0xAA, 0x0B}, 12, "10.0.0.5", "255.0.0.0", "10.0.0.1");
  // Two addresses and two gateways: only the first of each, the IP with its own mask.
  IP_ADAPTER_INFO& c = chain.Add("{C}", "Two addresses", {1, 2, 3, 4, 5, 6, 7, 8}, 13, "172.16.0.9",
                                 "255.255.0.0", "172.16.0.1");
  chain.Append(c.IpAddressList, "172.17.0.9", "255.255.255.128");
  chain.Append(c.GatewayList, "172.17.0.1", "");
  // No connection name, no hardware address, no addresses, and a description
  // that fills its whole field without a zero byte.
  IP_ADAPTER_INFO& d = chain.Add("{D}", "", {}, 14, "", "", "");
  std::memset(d.Description, 'x', sizeof d.Description);
  d.AddressLength = 0;
  std::memset(d.Address, 0xEE, sizeof d.Address);
  d.Index = 14;

  const std::map<DWORD, DnsServers> dns = {{12, DnsFromChain({"8.8.8.8", "8.8.4.4", "9.9.9.9"})},
                                           {13, DnsFromChain({"1.1.1.1"})},
                                           {14, DnsFromChain({"4.4.4.4", "5.5.5.5"})}};
  const std::map<std::string, std::string> names = {
      {"{A}", "\xB1\xBE\xB5\xD8\xC1\xAC\xBD\xD3"}, {"{B}", "WLAN"}, {"{C}", "Ethernet 2"}};
  std::vector<DWORD> dnsAsked;
  std::vector<std::wstring> lines;
  WalkAdapterReport(
      chain.First(),
      [&](DWORD index) {
        dnsAsked.push_back(index);
        auto it = dns.find(index);
        return it == dns.end() ? DnsServers{} : it->second;
      },
      [&](const std::string& name) {
        auto it = names.find(name);
        return it == names.end() ? std::string() : it->second;
      },
      [&](const std::wstring& line) { lines.push_back(line); });

  std::vector<std::wstring> expected;
  for (const auto& block : {
           Block(L"本地连接", L"Realtek PCIe GbE", L"00-1A-2B-03-04-FF", L"192.168.1.20", L"255.255.255.0",
                 L"192.168.1.1", L"", L""),
           Block(L"WLAN", L"无线网卡", L"AA-0B", L"10.0.0.5", L"255.0.0.0", L"10.0.0.1", L"8.8.8.8", L"8.8.4.4"),
           Block(L"Ethernet 2", L"Two addresses", L"01-02-03-04-05-06-07-08", L"172.16.0.9", L"255.255.0.0",
                 L"172.16.0.1", L"1.1.1.1", L""),
           Block(L"", std::wstring(sizeof d.Description, L'x'), L"", L"", L"", L"", L"4.4.4.4", L"5.5.5.5"),
       }) {
    expected.insert(expected.end(), block.begin(), block.end());
  }
  EXPECT_EQ(lines, expected);
  EXPECT_EQ(dnsAsked, (std::vector<DWORD>{11, 12, 13, 14}));
}

TEST(AdapterWalk, NoRecordsNoLinesAndTheWholeReportAsOneText) {
  int calls = 0;
  WalkAdapterReport(nullptr, nullptr, nullptr, [&](const std::wstring&) { ++calls; });
  EXPECT_EQ(calls, 0);

  AdapterChain chain = SampleAdapterChain(64);
  const std::wstring report = BuildAdapterReport(chain.First(), [](DWORD) { return DnsServers{"8.8.8.8", ""}; },
                                                 [](const std::string&) { return std::string("WLAN"); });
  EXPECT_EQ(report.rfind(kAdapterReportHeader, 0), 0u);
  std::size_t blocks = 0;
  for (std::size_t at = report.find(L"//连接名称: WLAN\r\n"); at != std::wstring::npos;
       at = report.find(L"//连接名称: WLAN\r\n", at + 1))
    ++blocks;
  EXPECT_EQ(blocks, 64u);
  EXPECT_NE(report.find(L"//名称: Intel(R) Wireless-AC 9560 160MHz #63\r\n//Mac: 00-1A-2B-3F-04-FF\r\n"
                        L"//IP: 192.168.63.23\r\n"),
            std::wstring::npos);
  EXPECT_EQ(report.size() - report.rfind(L"\r\n\r\n\r\n"), 6u) << "the report ends with two empty lines";
}

TEST(DnsServers, OnlyTheFirstTwoOfTheChain) {
  const struct {
    std::vector<const char*> chain;
    const char* first;
    const char* second;
  } cases[] = {
      {{""}, "", ""},
      {{"8.8.8.8"}, "8.8.8.8", ""},
      {{"8.8.8.8", "8.8.4.4"}, "8.8.8.8", "8.8.4.4"},
      {{"8.8.8.8", "8.8.4.4", "9.9.9.9"}, "8.8.8.8", "8.8.4.4"},
  };
  for (const auto& c : cases) {
    const DnsServers s = DnsFromChain(c.chain);
    EXPECT_EQ(s.first, c.first);
    EXPECT_EQ(s.second, c.second);
  }
}

// A stand-in for GetAdaptersInfo whose list can grow between two calls.
class GrowingList {
 public:
  explicit GrowingList(int adapters, int growths) : adapters_(adapters), growths_(growths) {}
  DWORD operator()(IP_ADAPTER_INFO* buffer, ULONG* length) {
    ++calls_;
    if (buffer) {
      const auto* bytes = reinterpret_cast<const unsigned char*>(buffer);
      for (ULONG i = 0; i < *length; ++i) zeroFilled_ = zeroFilled_ && bytes[i] == 0;
      if (growths_ > 0) {  // a new adapter appears between the two calls
        --growths_;
        ++adapters_;
      }
    }
    const ULONG needed = static_cast<ULONG>(adapters_ * sizeof(IP_ADAPTER_INFO));
    if (adapters_ == 0) return ERROR_NO_DATA;
    if (!buffer || *length < needed) {
      *length = needed;
      return ERROR_BUFFER_OVERFLOW;
    }
    for (int i = 0; i < adapters_; ++i) {
      buffer[i].Next = i + 1 < adapters_ ? &buffer[i + 1] : nullptr;
      buffer[i].Index = static_cast<DWORD>(i + 1);
      AdapterChain::Copy(buffer[i].Description, sizeof buffer[i].Description, "nic " + std::to_string(i + 1));
    }
    return ERROR_SUCCESS;
  }
  int calls_ = 0;
  bool zeroFilled_ = true;

 private:
  int adapters_;
  int growths_;
};

TEST(AdapterList, AsksAgainWhileTheListGrowsBetweenTheCalls) {
  const struct {
    const char* label;
    int adapters, growths;
    int blocks;
    int calls;
  } cases[] = {
      {"steady list", 2, 0, 2, 2},
      {"grew once between the calls", 2, 1, 3, 3},
      {"grew three times", 1, 3, 4, 5},
      {"keeps growing: given up, nothing listed", 1, 100, 0, 5},
      {"no adapters", 0, 0, 0, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    GrowingList list(c.adapters, c.growths);
    std::vector<std::wstring> lines;
    ListAdapters(std::ref(list), nullptr, nullptr, [&](const std::wstring& l) { lines.push_back(l); });
    EXPECT_EQ(lines.size(), 8u * c.blocks);
    EXPECT_EQ(list.calls_, c.calls);
    EXPECT_TRUE(list.zeroFilled_) << "buffer not zero-filled";
    if (c.blocks > 0) {
      EXPECT_EQ(lines[8 * c.blocks - 7], L"//名称: nic " + std::to_wstring(c.blocks) + L"\r\n");
    }
  }
}

// A registry key of its own under HKEY_CURRENT_USER, gone afterwards.
class RegistryTextTest : public testing::Test {
 protected:
  static constexpr const char* kKey = "Software\\LumaretTests\\AdapterReport";
  void SetUp() override { ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, kKey, key_.put()), ERROR_SUCCESS); }
  void TearDown() override {
    key_.reset();
    RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\LumaretTests");
  }
  void Set(const char* name, DWORD type, const std::string& bytes) {
    ASSERT_EQ(RegSetValueExA(key_.get(), name, 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                             static_cast<DWORD>(bytes.size())),
              ERROR_SUCCESS);
  }
  RegKey key_;
};

TEST_F(RegistryTextTest, TextValuesAsStoredOrExpandedAndNothingElse) {
  SetEnvironmentVariableA("LUMARET_TEST_FOLDER", "C:\\Tools");
  Set("sz", REG_SZ, std::string("\xB1\xBE\xB5\xD8 1\0", 7));
  Set("sz without zero", REG_SZ, "WLAN");
  Set("sz with inner zero", REG_SZ, std::string("ab\0cd\0", 6));
  Set("expand", REG_EXPAND_SZ, std::string("%LUMARET_TEST_FOLDER%\\net\0", 27));
  Set("expand unknown", REG_EXPAND_SZ, std::string("%LUMARET_NO_SUCH%\0", 18));
  Set("empty", REG_SZ, std::string("\0", 1));
  Set("dword", REG_DWORD, std::string("\x01\x00\x00\x00", 4));
  Set("binary", REG_BINARY, "abc");
  Set("multi", REG_MULTI_SZ, std::string("a\0b\0\0", 5));
  const struct {
    const char* key;
    const char* name;
    std::string text;
  } cases[] = {
      {kKey, "sz", "\xB1\xBE\xB5\xD8 1"},
      {kKey, "sz without zero", "WLAN"},
      {kKey, "sz with inner zero", "ab"},
      {kKey, "expand", "C:\\Tools\\net"},
      {kKey, "expand unknown", "%LUMARET_NO_SUCH%"},
      {kKey, "empty", ""},
      {kKey, "dword", ""},
      {kKey, "binary", ""},
      {kKey, "multi", ""},
      {kKey, "missing", ""},
      {"Software\\LumaretTests\\NoSuchKey", "sz", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ReadRegistryText(HKEY_CURRENT_USER, c.key, c.name), c.text) << c.name;
  }
}

TEST(ConnectionName, ReadFromTheAdaptersConnectionKey) {
  const std::string adapter = "{0D5C9C6E-4A1B-4C55-9B7E-LUMARETTEST}";
  const std::string key = kNetworkClass + adapter + "\\Connection";
  {
    RegKey k;
    ASSERT_EQ(RegCreateKeyA(HKEY_LOCAL_MACHINE, key.c_str(), k.put()), ERROR_SUCCESS);
    const char name[] = "\xB1\xBE\xB5\xD8\xC1\xAC\xBD\xD3 9";  // 本地连接 9
    RegSetValueExA(k.get(), "Name", 0, REG_SZ, reinterpret_cast<const BYTE*>(name), sizeof name);
  }
  EXPECT_EQ(ReadConnectionName(adapter), "\xB1\xBE\xB5\xD8\xC1\xAC\xBD\xD3 9");
  EXPECT_EQ(ReadConnectionName("{NO-SUCH-ADAPTER}"), "");
  RegDeleteKeyA(HKEY_LOCAL_MACHINE, key.c_str());
  RegDeleteKeyA(HKEY_LOCAL_MACHINE, (kNetworkClass + adapter).c_str());
  EXPECT_EQ(ReadConnectionName(adapter), "");
}

TEST(DnsServers, ForAnIndexWithNoAdapterNothing) {
  const DnsServers s = LookUpDnsServers(0x7FFF0000);
  EXPECT_EQ(s.first, "");
  EXPECT_EQ(s.second, "");
}

// The panel's refresh button in the real window, over the list Wine gives.
TEST(RefreshButton, ListsWhatTheSystemReportsUnderOneHeader) {
  MainWindow& w = TheMainWindow();
  ASSERT_TRUE(OpenMainWindow());
  EXPECT_EQ(w.GetTextW(ControlId::编辑框1), L"") << "nothing listed before the first refresh";

  // What the system reports, asked for independently.
  std::vector<unsigned char> buffer;
  std::vector<std::wstring> expectedLines;
  if (FetchAdapterList(GetAdaptersInfo, buffer) && !buffer.empty()) {
    for (auto* a = reinterpret_cast<const IP_ADAPTER_INFO*>(buffer.data()); a; a = a->Next) {
      const DnsServers dns = LookUpDnsServers(a->Index);
      expectedLines.push_back(L"//IP: " +
                              std::wstring(a->IpAddressList.IpAddress.String,
                                           a->IpAddressList.IpAddress.String +
                                               strnlen(a->IpAddressList.IpAddress.String, 16)) +
                              L"\r\n");
      expectedLines.push_back(L"//DNS1: " + std::wstring(dns.first.begin(), dns.first.end()) + L"\r\n");
    }
  }
  std::printf("[ info ] Wine reports %zu adapters\n", expectedLines.size() / 2);

  w.SetVisible(ControlId::分组框1, true);
  for (int refresh = 0; refresh < 2; ++refresh) {
    SendMessageW(w.Control(ControlId::按钮2), BM_CLICK, 0, 0);
    DrainMessages();
  }
  const std::wstring text = w.GetTextW(ControlId::编辑框1);
  ASSERT_EQ(text.rfind(kAdapterReportHeader, 0), 0u);
  EXPECT_EQ(text.find(L"//网卡信息列表//", 10), std::wstring::npos) << "a second header";
  std::size_t at = std::wcslen(kAdapterReportHeader);
  for (std::size_t i = 0; i < expectedLines.size(); i += 2) {
    for (const wchar_t* label : {L"//连接名称: ", L"//名称: ", L"//Mac: "}) {
      ASSERT_EQ(text.compare(at, std::wcslen(label), label), 0) << "block " << i / 2;
      at = text.find(L"\r\n", at) + 2;
    }
    ASSERT_EQ(text.compare(at, expectedLines[i].size(), expectedLines[i]), 0) << "block " << i / 2;
    for (int skip = 0; skip < 3; ++skip) at = text.find(L"\r\n", at) + 2;
    ASSERT_EQ(text.compare(at, expectedLines[i + 1].size(), expectedLines[i + 1]), 0) << "block " << i / 2;
    at = text.find(L"\r\n", at) + 2;
    ASSERT_EQ(text.compare(at, 8, L"//DNS2: "), 0);
    at = text.find(L"\r\n\r\n\r\n", at) + 6;
  }
  EXPECT_EQ(at, text.size()) << "more blocks than adapters";

  CloseMainWindow();
}

}  // namespace
}  // namespace lumaret
