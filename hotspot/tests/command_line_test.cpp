#include "hotspot/command_line.h"

#include <gtest/gtest.h>

#include "common/tests/code_pages.h"
#include "hotspot/hotspot_commands.h"
#include "hotspot/tests/quoting_cases.h"

namespace lumaret {
namespace {

using Words = std::vector<std::string>;

CodePage RulesOf(unsigned codePage) { return codePage == 936 ? Gbk() : Western(); }

// Every name and key, trimmed and checked as the open button does, reaches
// netsh as exactly the trimmed text.
TEST(Quoting, NamesAndKeysSplitBackToTheTrimmedTexts) {
  std::size_t count = 0;
  const QuotingCase* cases = QuotingCases(&count);
  for (std::size_t i = 0; i < count; ++i) {
    const QuotingCase& c = cases[i];
    SCOPED_TRACE(c.label);
    const CodePage cp = RulesOf(c.codePage);
    const std::string name = TrimSpaces(c.typedName, cp);
    const std::string key = TrimSpaces(c.typedKey, cp);
    EXPECT_EQ(name, c.name);
    EXPECT_EQ(key, c.key);
    EXPECT_EQ(CheckHotspotInput(name, key, cp), InputProblem::None);
    EXPECT_EQ(SplitCommandLine(ConfigurationCommandLine(name, key, cp), cp),
              (Words{"netsh", "wlan", "set", "hostednetwork", "mode=allow", "ssid=" + c.name, "key=" + c.key}));
  }
}

TEST(Quoting, ArgumentByTheWindowsRules) {
  const struct {
    std::string text, quoted;
  } cases[] = {
      {"", "\"\""},
      {"My Net", "\"My Net\""},
      {"Home\\", "\"Home\\\\\""},
      {"a\\\\", "\"a\\\\\\\\\""},
      {"a\\b", "\"a\\b\""},
      {"a\\ b", "\"a\\ b\""},
      {"a\"b", "\"a\\\"b\""},
      {"a\\\"b", "\"a\\\\\\\"b\""},
      {"\x81\x5C", "\"\x81\x5C\""},  // one GBK character, no backslash
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(QuoteArgument(c.text, Gbk()), c.quoted);
    EXPECT_EQ(SplitCommandLine("p " + c.quoted, Gbk()), (Words{"p", c.text}));
  }
  // In a Western code page 0x81 is a character of its own and 0x5C a
  // backslash before the closing quote.
  EXPECT_EQ(QuoteArgument("\x81\x5C", Western()), "\"\x81\\\\\"");
}

TEST(Splitting, ByTheWindowsRules) {
  const struct {
    const char* label;
    std::string line;
    Words words;
  } cases[] = {
      {"plain", "netsh wlan start hostednetwork", {"netsh", "wlan", "start", "hostednetwork"}},
      {"runs of blanks", "  a \t b  ", {"", "a", "b"}},
      {"quoted program keeps its backslashes", "\"C:\\a b\\p.exe\" x", {"C:\\a b\\p.exe", "x"}},
      {"quotes anywhere in a word", "p ab\"c d\"e", {"p", "abc de"}},
      {"backslashes before a quote halve", "p a\\\\\"b c\"", {"p", "a\\b c"}},
      {"odd backslashes make a literal quote", "p a\\\"b", {"p", "a\"b"}},
      {"backslashes elsewhere literal", "p a\\\\b\\", {"p", "a\\\\b\\"}},
      {"empty quoted word", "p \"\" x", {"p", "", "x"}},
      {"unclosed quote runs to the end", "p \"a b", {"p", "a b"}},
      {"doubled quote inside quotes", "p \"a\"\"b\"", {"p", "a\"b"}},
      {"empty line", "", {""}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_EQ(SplitCommandLine(c.line, Gbk()), c.words);
  }
}

TEST(Program, OnlyABareNameIsLookedFor) {
  const struct {
    std::string line, file;
  } cases[] = {
      {"netsh wlan start hostednetwork", "netsh.exe"},
      {"netsh.exe wlan", "netsh.exe"},
      {"NETSH", "NETSH.exe"},
      {"\"netsh\" wlan", "netsh.exe"},
      {"tool.com x", "tool.com"},
      {"C:\\Windows\\System32\\netsh.exe wlan", ""},
      {".\\netsh wlan", ""},
      {"sub/netsh", ""},
      {"C:netsh", ""},
      {"\"\" wlan", ""},
      {" netsh", ""},  // the first word is empty
      {"", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    EXPECT_EQ(ProgramFileName(c.line, Gbk()), c.file);
  }
  // A GBK character whose second byte is 0x5C is no path.
  EXPECT_EQ(ProgramFileName("a\x81\x5C x", Gbk()), "a\x81\x5C.exe");
  EXPECT_EQ(ProgramFileName("a\x81\x5C x", Western()), "");
}

}  // namespace
}  // namespace lumaret
