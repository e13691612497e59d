// Walking the IP Helper's adapter records into report lines. The walk takes
// the DNS and connection-name lookups and the line sink as parameters, so it
// runs the same over the list Windows gives and over records built by hand.
#pragma once

#include <winsock2.h>
#include <windows.h>
#include <iphlpapi.h>

#include <functional>
#include <string>
#include <vector>

#include "adapters/adapter_entry.h"

namespace lumaret {

// The first two DNS servers of an adapter; empty texts where it has fewer.
struct DnsServers {
  std::string first;
  std::string second;
};

using DnsLookup = std::function<DnsServers(DWORD adapterIndex)>;
using ConnectionNameLookup = std::function<std::string(const std::string& adapterName)>;
using ReportSink = std::function<void(const std::wstring& line)>;
// GetAdaptersInfo or a stand-in for it.
using AdapterListCall = std::function<DWORD(IP_ADAPTER_INFO* buffer, ULONG* length)>;

// For each record of the Next chain, in order: its AdapterEntry (only the
// first IP address and gateway), then its eight lines, each handed to the
// sink on its own with the field converted from ANSI.
void WalkAdapterReport(const IP_ADAPTER_INFO* first, const DnsLookup& dns, const ConnectionNameLookup& name,
                       const ReportSink& sink);

// The header and every block over a chain, as one text (for measuring the
// walk; the refresh button appends line by line instead).
std::wstring BuildAdapterReport(const IP_ADAPTER_INFO* first, const DnsLookup& dns,
                                const ConnectionNameLookup& name);

// Asks for the adapter list: once for the length, then with a zero-filled
// buffer of that length, asking again with the new length (a few times)
// while the list grows between the calls. True with the records in `buffer`
// (the first record at its start; empty when there are none); false when
// the list could not be had.
bool FetchAdapterList(const AdapterListCall& call, std::vector<unsigned char>& buffer);

// The blocks of every adapter in the list, through the sink; nothing when
// the list could not be had.
void ListAdapters(const AdapterListCall& call, const DnsLookup& dns, const ConnectionNameLookup& name,
                  const ReportSink& sink);

// GetAdaptersInfo of the IP Helper, which is loaded from System32 on first
// use (iphlpapi.dll is no known DLL: imported, it would be looked for beside
// the program first). ERROR_MOD_NOT_FOUND when it cannot be had; the report
// then lists nothing.
DWORD SystemAdaptersInfo(IP_ADAPTER_INFO* buffer, ULONG* length);

// The first two entries of a DNS server chain.
DnsServers FirstTwoDnsServers(const IP_PER_ADAPTER_INFO& info);

// GetPerAdapterInfo (of the IP Helper, as above) for the interface index, in
// a zero-filled buffer that is gone when this returns; empty texts when it
// fails.
DnsServers LookUpDnsServers(DWORD adapterIndex);

// A text value: REG_SZ as stored up to its first zero byte, REG_EXPAND_SZ
// with its environment references expanded; the empty text for a missing
// key or value, any other type or a failed read.
std::string ReadRegistryText(HKEY root, const std::string& keyPath, const std::string& valueName);

// The "Name" of the adapter's connection under HKEY_LOCAL_MACHINE's
// network class key; the empty text when there is none.
std::string ReadConnectionName(const std::string& adapterName);

}  // namespace lumaret
