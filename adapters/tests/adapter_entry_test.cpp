#include "adapters/adapter_entry.h"

#include <gtest/gtest.h>

#include <string>

namespace lumaret {
namespace {

TEST(MacText, BytesAsUpperCaseHexGroups) {
  const unsigned char six[8] = {0x00, 0x1A, 0x2B, 0x03, 0x04, 0xFF, 0x77, 0x88};
  const unsigned char eight[8] = {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0xA0};
  const struct {
    const char* label;
    const unsigned char* address;
    std::size_t length;
    std::string text;
  } cases[] = {
      {"six bytes, bytes beyond the length ignored", six, 6, "00-1A-2B-03-04-FF"},
      {"length 0", six, 0, ""},
      {"one byte", six + 1, 1, "1A"},
      {"all eight", eight, 8, "01-02-03-04-05-06-07-A0"},
      {"a length above 8 is capped at 8", eight, 20, "01-02-03-04-05-06-07-A0"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MacText(c.address, c.length), c.text) << c.label;
  }
}

TEST(FieldText, UpToTheFirstZeroOrTheWholeField) {
  const char full[4] = {'a', 'b', 'c', 'd'};
  const char gbk[6] = {'\xCD', '\xF8', '\xBF', '\xA8', '\0', 'x'};  // 网卡
  EXPECT_EQ(FieldText("eth0\0junk", 9), "eth0");
  EXPECT_EQ(FieldText(full, 4), "abcd");
  EXPECT_EQ(FieldText("\0abc", 4), "");
  EXPECT_EQ(FieldText(gbk, 6), "\xCD\xF8\xBF\xA8");
}

TEST(ReportLines, EightLinesInShowingOrderEvenWhenEmpty) {
  const auto lines = ReportLines(AdapterEntry{});
  const wchar_t* labels[] = {L"//连接名称: ", L"//名称: ", L"//Mac: ", L"//IP: ",
                             L"//掩码: ",     L"//网关: ", L"//DNS1: ", L"//DNS2: "};
  for (std::size_t i = 0; i < lines.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_STREQ(lines[i].label, labels[i]);
    EXPECT_EQ(lines[i].value, "");
    EXPECT_STREQ(lines[i].end, i == 7 ? L"\r\n\r\n\r\n" : L"\r\n");
  }
}

TEST(ReportLines, EachFieldOnItsOwnLine) {
  AdapterEntry e{"desc", "conn", "00-11", "10.0.0.2", "255.0.0.0", "10.0.0.1", "8.8.8.8", "1.1.1.1"};
  const auto lines = ReportLines(e);
  const char* values[] = {"conn", "desc", "00-11", "10.0.0.2", "255.0.0.0", "10.0.0.1", "8.8.8.8", "1.1.1.1"};
  for (std::size_t i = 0; i < lines.size(); ++i) EXPECT_EQ(lines[i].value, values[i]) << i;
}

}  // namespace
}  // namespace lumaret
