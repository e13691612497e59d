#include "hotspot/hotspot_commands.h"

#include <gtest/gtest.h>

#include "common/tests/code_pages.h"

namespace lumaret {
namespace {

// GBK: the full-width space, 中, and 啊, whose second byte is A1.
const std::string kWide = "\xA1\xA1";
const std::string kZhong = "\xD6\xD0";
const std::string kEndsA1 = "\xB0\xA1";  // 啊

TEST(TrimSpaces, Table) {
  const struct {
    const char* label;
    std::string in, out;
  } cases[] = {
      {"nothing to trim", "MyNet", "MyNet"},
      {"leading ASCII", "  MyNet", "MyNet"},
      {"trailing ASCII", "MyNet   ", "MyNet"},
      {"both ends", " MyNet ", "MyNet"},
      {"leading full-width", kWide + kWide + "MyNet", "MyNet"},
      {"trailing full-width", "MyNet" + kWide, "MyNet"},
      {"both kinds mixed at both ends", " " + kWide + " MyNet" + kWide + " " + kWide, "MyNet"},
      {"inner spaces kept", "My  Net" + kWide + "x", "My  Net" + kWide + "x"},
      {"trailing tab kept", "MyNet\t", "MyNet\t"},
      {"leading tab kept", "\t MyNet", "\t MyNet"},
      {"spaces before a tab kept", "MyNet \t", "MyNet \t"},
      {"only spaces", "  " + kWide + " ", ""},
      {"empty", "", ""},
      {"Chinese text", " " + kZhong + kZhong + " ", kZhong + kZhong},
      {"A1 as a second byte then A1 is no space", "a" + kEndsA1 + "\xA1\xA1", "a" + kEndsA1},
      {"second byte A1 followed by one A1 byte", kEndsA1 + "\xA1" + "b", kEndsA1 + "\xA1" + "b"},
      {"dangling lead byte cut", "MyNet\xD6", "MyNet"},
      {"dangling lead byte cut, spaces before it stay", "MyNet  \xD6", "MyNet  "},
      {"lone dangling lead byte", "\xD6", ""},
      {"dangling A1 after a space", "ab \xA1", "ab "},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_EQ(TrimSpaces(c.in, Gbk()), c.out);
  }
}

// In a Western code page A1 A1 is two letters (¡¡) and every byte a
// character of its own.
TEST(TrimSpaces, WesternCodePage) {
  const struct {
    const char* label;
    std::string in, out;
  } cases[] = {
      {"ASCII spaces", "  Jos\xE9 ", "Jos\xE9"},
      {"A1 A1 is no space", "\xA1\xA1Net\xA1\xA1", "\xA1\xA1Net\xA1\xA1"},
      {"a last byte of 0x80 or above stays", "Caf\xE9", "Caf\xE9"},
      {"spaces before it go", "Caf\xE9  ", "Caf\xE9"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_EQ(TrimSpaces(c.in, Western()), c.out);
  }
}

TEST(CommandLines, NameAndKeyQuoted) {
  EXPECT_EQ(ConfigurationCommandLine("My Net", "12345678", Gbk()),
            "netsh wlan set hostednetwork mode=allow ssid=\"My Net\" key=\"12345678\"");
  EXPECT_EQ(ConfigurationCommandLine("Home\\", "abcdefgh\\", Gbk()),
            "netsh wlan set hostednetwork mode=allow ssid=\"Home\\\\\" key=\"abcdefgh\\\\\"");
  EXPECT_EQ(ConfigurationCommandLine(kZhong + "\t", "pass word", Gbk()),
            "netsh wlan set hostednetwork mode=allow ssid=\"" + kZhong + "\t\" key=\"pass word\"");
  EXPECT_STREQ(kStartCommandLine, "netsh wlan start hostednetwork");
  EXPECT_STREQ(kStopCommandLine, "netsh wlan stop hostednetwork");
}

TEST(InputCheck, NameAndKey) {
  const std::string key8 = "12345678";
  const struct {
    const char* label;
    std::string name, key;
    InputProblem problem;
  } cases[] = {
      {"good", "My Net", key8, InputProblem::None},
      {"name of one byte", "a", key8, InputProblem::None},
      {"name of 32 bytes", std::string(32, 'n'), key8, InputProblem::None},
      {"16 Chinese characters are 32 bytes", [] { std::string s; for (int i = 0; i < 16; ++i) s += "\xD6\xD0"; return s; }(), key8, InputProblem::None},
      {"empty name", "", key8, InputProblem::NameEmpty},
      {"name of 33 bytes", std::string(33, 'n'), key8, InputProblem::NameTooLong},
      {"17 Chinese characters", [] { std::string s; for (int i = 0; i < 17; ++i) s += "\xD6\xD0"; return s; }(), key8, InputProblem::NameTooLong},
      {"quote in the name", "My\"Net", key8, InputProblem::NameHasQuote},
      {"key of 7", "n", "1234567", InputProblem::KeyWrongLength},
      {"key of 63", "n", std::string(63, 'k'), InputProblem::None},
      {"key of 64", "n", std::string(64, 'k'), InputProblem::KeyWrongLength},
      {"empty key", "n", "", InputProblem::KeyWrongLength},
      {"key counted in characters, not bytes", "n", kZhong + kZhong + kZhong + kZhong + "1234", InputProblem::None},
      {"four Chinese characters are too few", "n", kZhong + kZhong + kZhong + kZhong, InputProblem::KeyWrongLength},
      {"quote in the key", "n", "1234\"5678", InputProblem::KeyHasQuote},
      {"name checked first", "", "\"", InputProblem::NameEmpty},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_EQ(CheckHotspotInput(c.name, c.key, Gbk()), c.problem);
  }
}

TEST(InputCheck, EveryProblemHasItsOwnText) {
  EXPECT_EQ(InputProblemText(InputProblem::None), nullptr);
  const InputProblem problems[] = {InputProblem::NameEmpty, InputProblem::NameTooLong, InputProblem::NameHasQuote,
                                   InputProblem::KeyWrongLength, InputProblem::KeyHasQuote};
  for (InputProblem a : problems) {
    ASSERT_NE(InputProblemText(a), nullptr);
    // The status line is 232 pixels wide: about 19 Chinese characters.
    EXPECT_LE(std::wstring(InputProblemText(a)).size(), 19u) << static_cast<int>(a);
    for (InputProblem b : problems) {
      if (a != b) {
        EXPECT_STRNE(InputProblemText(a), InputProblemText(b));
      }
    }
  }
}

TEST(Configuration, WhenTheOpenButtonConfigures) {
  const struct {
    const char* label;
    std::string savedAtStart, savedSsid, savedCode, name, key;
    bool configures;
  } cases[] = {
      {"nothing saved at start: always", "", "Net", "12345678", "Net", "12345678", true},
      {"boxes as saved: only start", "Net", "Net", "12345678", "Net", "12345678", false},
      {"password changed", "Net", "Net", "12345678", "Net", "87654321", true},
      {"name changed", "Net", "Net", "12345678", "Net2", "12345678", true},
      {"saved with spaces, boxes trimmed alike", " Net ", " Net ", "12345678" + kWide, "Net", "12345678", false},
      {"a new save is the reference", "Old", "New", "newpass1", "New", "newpass1", false},
      {"back to the start's name after a new save", "Old", "New", "newpass1", "Old", "newpass1", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_EQ(NeedsConfiguration(c.savedAtStart, c.savedSsid, c.savedCode, c.name, c.key, Gbk()), c.configures);
  }
}

TEST(ShowMode, TableAndClamping) {
  const struct {
    std::optional<int> mode;
    int value;
  } cases[] = {{std::nullopt, 1}, {1, 0}, {2, 1}, {3, 2}, {4, 3}, {5, 4}, {6, 6},
               {0, 0},            {-5, 0}, {7, 6}, {1000, 6}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.mode ? *c.mode : -999);
    EXPECT_EQ(ShowWindowValueFor(c.mode), c.value);
  }
}

}  // namespace
}  // namespace lumaret
