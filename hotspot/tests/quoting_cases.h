// Names and keys as typed, and the texts that must reach netsh: trimmed,
// and otherwise exactly as typed, whatever backslashes, spaces and two-byte
// characters they hold. Split natively by SplitCommandLine and under Wine
// by CommandLineToArgvW.
#pragma once

#include <string>

namespace lumaret {

struct QuotingCase {
  const char* label;
  unsigned codePage;  // 936 (GBK) or 1252 (Western)
  std::string typedName, typedKey;
  std::string name, key;  // trimmed: what netsh must receive
};

inline const QuotingCase* QuotingCases(std::size_t* count) {
  static const std::string kWide = "\xA1\xA1";    // GBK full-width space
  static const std::string k5C = "\x81\x5C";      // GBK, second byte 0x5C
  static const std::string kMi = "\xC3\xDC\xC2\xEB";  // 密码
  static const QuotingCase cases[] = {
      {"backslash at the end", 936, "Home\\", "abcdefgh\\", "Home\\", "abcdefgh\\"},
      {"two backslashes at the end", 936, "Home\\\\", "abcdefgh\\\\", "Home\\\\", "abcdefgh\\\\"},
      {"backslash inside", 936, "a\\b", "key\\inside", "a\\b", "key\\inside"},
      {"backslash before a space", 936, "My\\ Net", "pass\\ word", "My\\ Net", "pass\\ word"},
      {"backslashes first", 936, "\\\\server", "\\\\share\\x", "\\\\server", "\\\\share\\x"},
      {"only backslashes, longest", 936, std::string(32, '\\'), std::string(63, '\\'), std::string(32, '\\'),
       std::string(63, '\\')},
      {"spaces trimmed, backslash before them kept", 936, "  Home\\ ", " abcdefgh\\  ", "Home\\", "abcdefgh\\"},
      {"full-width spaces trimmed", 936, kWide + "Net\\" + kWide, kWide + kMi + "\\\\1234" + kWide, "Net\\",
       kMi + "\\\\1234"},
      {"GBK character ending in 0x5C at the end", 936, "Net" + k5C, "12345678" + k5C, "Net" + k5C,
       "12345678" + k5C},
      {"GBK 0x5C character before a backslash", 936, "Net" + k5C + "\\", k5C + "\\12345678", "Net" + k5C + "\\",
       k5C + "\\12345678"},
      {"tab and inner spaces", 936, "My  Net\t\\", "pass\tword 1", "My  Net\t\\", "pass\tword 1"},
      {"Western: é then a backslash", 1252, "Jos\xE9\\", "caf\xE9\\\\1234", "Jos\xE9\\", "caf\xE9\\\\1234"},
      {"Western: no full-width space", 1252, " Net ", "\xA1\xA1" "12345678", "Net", "\xA1\xA1" "12345678"},
  };
  *count = sizeof cases / sizeof cases[0];
  return cases;
}

}  // namespace lumaret
