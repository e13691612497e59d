// The adapter report's text: the eight fields shown for one adapter, the
// lines they make and the hardware address text. No Windows header in here:
// this is tested natively.
#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace lumaret {

// The first text of the report box, before any adapter.
extern const wchar_t kAdapterReportHeader[];

// The texts shown for one adapter, ANSI as the IP Helper reports them.
struct AdapterEntry {
  std::string description;
  std::string connectionName;
  std::string mac;
  std::string ip;
  std::string mask;
  std::string gateway;
  std::string dns1;
  std::string dns2;
};

// One line of the report: a label, an adapter field and the line end. The
// label and end are interface text; the value is ANSI, converted on the way
// into the box.
struct ReportLine {
  const wchar_t* label;
  std::string value;
  const wchar_t* end;
};

// The eight lines of an adapter's block, in the order they are shown
// (connection name first). The last one ends the block with two empty lines.
std::array<ReportLine, 8> ReportLines(const AdapterEntry& entry);

// A fixed-size character field as text: its bytes up to the first zero byte,
// or all of them when it holds none.
std::string FieldText(const char* field, std::size_t size);

// The hardware address field is 8 bytes long.
constexpr std::size_t kHardwareAddressField = 8;

// The first `length` bytes of the address (never more than 8), each as two
// upper-case hexadecimal digits, joined with "-": 00-1A-2B-03-04-FF.
std::string MacText(const unsigned char* address, std::size_t length);

}  // namespace lumaret
