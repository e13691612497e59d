// The quoting table split by Windows itself (CommandLineToArgvW), each
// command line converted to UTF-16 from the code page it was built in, as
// CreateProcess does; and the code-page rules the program asks the system
// for, against the tables the native tests use.
#include "hotspot/command_line.h"

#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include "common/encoding.h"
#include "common/tests/code_pages.h"
#include "hotspot/hotspot_commands.h"
#include "hotspot/tests/quoting_cases.h"

namespace lumaret {
namespace {

std::wstring ToWide(const std::string& text, unsigned codePage) {
  std::wstring wide(text.size() + 1, L'\0');
  const int n = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), &wide[0],
                                    static_cast<int>(wide.size()));
  wide.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
  return wide;
}

std::string FromWide(const std::wstring& wide, unsigned codePage) {
  std::string text(wide.size() * 2 + 1, '\0');
  const int n = WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), &text[0],
                                    static_cast<int>(text.size()), nullptr, nullptr);
  text.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
  return text;
}

std::vector<std::string> WindowsSplit(const std::string& commandLine, unsigned codePage) {
  std::vector<std::string> words;
  int count = 0;
  LPWSTR* argv = CommandLineToArgvW(ToWide(commandLine, codePage).c_str(), &count);
  for (int i = 0; argv && i < count; ++i) words.push_back(FromWide(argv[i], codePage));
  LocalFree(argv);
  return words;
}

TEST(Quoting, WindowsSplitsBackTheTrimmedTexts) {
  std::size_t count = 0;
  const QuotingCase* cases = QuotingCases(&count);
  for (std::size_t i = 0; i < count; ++i) {
    const QuotingCase& c = cases[i];
    SCOPED_TRACE(c.label);
    const CodePage cp = CodePageRules(c.codePage);
    const std::string line = ConfigurationCommandLine(TrimSpaces(c.typedName, cp), TrimSpaces(c.typedKey, cp), cp);
    EXPECT_EQ(WindowsSplit(line, c.codePage),
              (std::vector<std::string>{"netsh", "wlan", "set", "hostednetwork", "mode=allow", "ssid=" + c.name,
                                        "key=" + c.key}));
  }
}

TEST(CodePages, TheSystemGivesTheTablesOfTheNativeTests) {
  const struct {
    unsigned codePage;
    CodePage expected;
  } cases[] = {{936, Gbk()}, {1252, Western()}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.codePage);
    const CodePage got = CodePageRules(c.codePage);
    for (int b = 0; b < 256; ++b) EXPECT_EQ(got.leadBytes[b], c.expected.leadBytes[b]) << "byte " << b;
    EXPECT_EQ(got.fullWidthSpace, c.expected.fullWidthSpace);
  }
  // The tests run with the ANSI code page 936.
  ASSERT_EQ(GetACP(), 936u);
  EXPECT_EQ(AnsiCodePage().leadBytes, Gbk().leadBytes);
  EXPECT_EQ(AnsiCodePage().fullWidthSpace, "\xA1\xA1");
}

}  // namespace
}  // namespace lumaret
