#include "adapters/adapter_entry.h"

#include <cstring>

namespace lumaret {

const wchar_t kAdapterReportHeader[] = L"    //网卡信息列表//   \r\n\r\n";

std::array<ReportLine, 8> ReportLines(const AdapterEntry& e) {
  return {{
      {L"//连接名称: ", e.connectionName, L"\r\n"},
      {L"//名称: ", e.description, L"\r\n"},
      {L"//Mac: ", e.mac, L"\r\n"},
      {L"//IP: ", e.ip, L"\r\n"},
      {L"//掩码: ", e.mask, L"\r\n"},
      {L"//网关: ", e.gateway, L"\r\n"},
      {L"//DNS1: ", e.dns1, L"\r\n"},
      {L"//DNS2: ", e.dns2, L"\r\n\r\n\r\n"},
  }};
}

std::string FieldText(const char* field, std::size_t size) {
  const void* zero = std::memchr(field, 0, size);
  return std::string(field, zero ? static_cast<const char*>(zero) - field : size);
}

std::string MacText(const unsigned char* address, std::size_t length) {
  static const char kHex[] = "0123456789ABCDEF";
  if (length > kHardwareAddressField) length = kHardwareAddressField;
  std::string text;
  for (std::size_t i = 0; i < length; ++i) {
    if (i > 0) text += '-';
    text += kHex[address[i] >> 4];
    text += kHex[address[i] & 0x0F];
  }
  return text;
}

}  // namespace lumaret
