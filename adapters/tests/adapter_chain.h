// Adapter records built by hand, linked the way GetAdaptersInfo links them,
// for the tests and for measuring the report over many adapters.
#pragma once

#include <winsock2.h>
#include <windows.h>
#include <iphlpapi.h>

#include <algorithm>
#include <cstring>
#include <deque>
#include <initializer_list>
#include <string>

namespace lumaret {

class AdapterChain {
 public:
  AdapterChain() = default;
  AdapterChain(AdapterChain&&) = default;  // the records stay where they are
  AdapterChain(const AdapterChain&) = delete;
  AdapterChain& operator=(const AdapterChain&) = delete;

  // A record with its first address and gateway; the Next links are made by
  // First().
  IP_ADAPTER_INFO& Add(const std::string& name, const std::string& description,
                       std::initializer_list<unsigned char> mac, DWORD index, const char* ip, const char* mask,
                       const char* gateway) {
    adapters_.emplace_back();
    IP_ADAPTER_INFO& a = adapters_.back();
    std::memset(&a, 0, sizeof a);
    Copy(a.AdapterName, sizeof a.AdapterName, name);
    Copy(a.Description, sizeof a.Description, description);
    a.AddressLength = static_cast<UINT>(mac.size());
    std::copy(mac.begin(), mac.begin() + std::min<std::size_t>(mac.size(), sizeof a.Address), a.Address);
    a.Index = index;
    SetAddress(a.IpAddressList, ip, mask);
    SetAddress(a.GatewayList, gateway, "");
    return a;
  }
  // One more entry behind the first of an address chain.
  void Append(IP_ADDR_STRING& list, const char* ip, const char* mask) {
    extra_.emplace_back();
    IP_ADDR_STRING& e = extra_.back();
    std::memset(&e, 0, sizeof e);
    SetAddress(e, ip, mask);
    IP_ADDR_STRING* tail = &list;
    while (tail->Next) tail = tail->Next;
    tail->Next = &e;
  }
  const IP_ADAPTER_INFO* First() {
    for (std::size_t i = 0; i < adapters_.size(); ++i)
      adapters_[i].Next = i + 1 < adapters_.size() ? &adapters_[i + 1] : nullptr;
    return adapters_.empty() ? nullptr : &adapters_.front();
  }
  std::size_t size() const { return adapters_.size(); }

  // Copies as many bytes as the field holds; a text as long as the field is
  // left without a zero byte.
  static void Copy(char* field, std::size_t size, const std::string& text) {
    std::memset(field, 0, size);
    std::memcpy(field, text.data(), std::min(size, text.size()));
  }
  static void SetAddress(IP_ADDR_STRING& a, const char* ip, const char* mask) {
    Copy(a.IpAddress.String, sizeof a.IpAddress.String, ip);
    Copy(a.IpMask.String, sizeof a.IpMask.String, mask);
  }

 private:
  std::deque<IP_ADAPTER_INFO> adapters_;  // a deque keeps the records in place
  std::deque<IP_ADDR_STRING> extra_;
};

// `count` adapters of plausible contents (for measuring the report).
inline AdapterChain SampleAdapterChain(int count) {
  AdapterChain chain;
  for (int i = 0; i < count; ++i) {
    const std::string n = std::to_string(i);
    chain.Add("{6B29FC40-CA47-1067-B31D-00DD0106" + std::string(4 - std::min<std::size_t>(4, n.size()), '0') + n + "}",
              "Intel(R) Wireless-AC 9560 160MHz #" + n,
              {0x00, 0x1A, 0x2B, static_cast<unsigned char>(i), 0x04, 0xFF}, static_cast<DWORD>(i + 1),
              ("192.168." + n + ".23").c_str(), "255.255.255.0", ("192.168." + n + ".1").c_str());
  }
  return chain;
}

}  // namespace lumaret
