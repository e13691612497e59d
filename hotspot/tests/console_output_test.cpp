// netsh's output as it arrives through the pipe, in GBK (console code page
// 936): what is kept of it, its last line, and the text shown whole.
#include "hotspot/console_output.h"

#include <gtest/gtest.h>

#include <string>

#include "common/tests/code_pages.h"

namespace lumaret {
namespace {

// GBK: 无法启动承载网络。 and 组或资源的状态不正确。, and 啊 whose second
// byte is A1, and 乗 (81 5C) whose second byte is the backslash code.
const std::string kCannotStart = "\xCE\xDE\xB7\xA8\xC6\xF4\xB6\xAF\xB3\xD0\xD4\xD8\xCD\xF8\xC2\xE7\xA1\xA3";
const std::string kWrongState = "\xD7\xE9\xBB\xF2\xD7\xCA\xD4\xB4\xB5\xC4\xD7\xB4\xCC\xAC\xB2\xBB\xD5\xFD\xC8\xB7\xA1\xA3";
const std::string kAh = "\xB0\xA1";
const std::string k5C = "\x81\x5C";

TEST(LastNonEmptyLine, Table) {
  const struct {
    const char* label;
    std::string output, line;
  } cases[] = {
      {"netsh's two lines, CR LF, an empty line at the end", kCannotStart + "\r\n" + kWrongState + "\r\n\r\n",
       kWrongState},
      {"CR CR LF as console programs write it", kCannotStart + "\r\r\n" + kWrongState + "\r\r\n", kWrongState},
      {"LF alone", "first\nsecond\n", "second"},
      {"CR alone", "first\rsecond\r", "second"},
      {"no line end at all", kWrongState, kWrongState},
      {"blanks around the line go, inner ones stay", "\t " + kCannotStart + " x \t\r\n   \r\n", kCannotStart + " x"},
      {"a line of blanks is empty", "one\r\n \t \r\n", "one"},
      {"nothing", "", ""},
      {"only line ends and blanks", "\r\n \r\n\t\n", ""},
      {"second bytes that look like ASCII stay in their characters", "a" + k5C + "\r\n" + kAh + k5C + "\r\n",
       kAh + k5C},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_EQ(LastNonEmptyLine(c.output, Gbk()), c.line);
  }
}

TEST(OutputForDisplay, EveryLineEndBecomesCrLfAndTheEdgesGo) {
  const struct {
    const char* label;
    std::string output, shown;
  } cases[] = {
      {"netsh's lines", "\r\n" + kCannotStart + "\r\n" + kWrongState + "\r\n\r\n",
       kCannotStart + "\r\n" + kWrongState},
      {"mixed line ends", "a\nb\r\r\nc\rd", "a\r\nb\r\nc\r\nd"},
      {"an empty line inside stays", "a\r\n\r\nb", "a\r\n\r\nb"},
      {"the first line keeps its indent", " \r\n  indented\r\n", "  indented"},
      {"blanks at the end go", "a \t\r\n \r\n", "a"},
      {"nothing", "", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_EQ(OutputForDisplay(c.output), c.shown);
  }
}

// Pieces as the pipe hands them over, split anywhere, also between the two
// bytes of a character.
TEST(ConsoleOutput, PiecesSplitInsideCharactersJoinUp) {
  ConsoleOutput out(Gbk());
  const std::string whole = kCannotStart + "\r\n" + kWrongState + "\r\n";
  for (std::size_t at = 0; at < whole.size(); at += 3) out.Append(whole.data() + at, std::min<std::size_t>(3, whole.size() - at));
  EXPECT_EQ(out.Kept(), whole);
  EXPECT_FALSE(out.Dropped());
  EXPECT_EQ(LastNonEmptyLine(out.Kept(), Gbk()), kWrongState);
}

// Only the last `keep` bytes stay, beginning with a whole character: the cut
// never leaves a second byte at the front, which would pair up wrongly with
// the byte after it.
TEST(ConsoleOutput, KeepsTheLastBytesFromAWholeCharacter) {
  const struct {
    const char* label;
    std::string before;  // written first, then the kept part's candidates
    std::size_t keep;
    std::string expected;
  } cases[] = {
      // "x" + 中中中 (6 bytes): the last 5 bytes begin in the middle of
      // the first 中, so only 中中 (4 bytes) is kept.
      {"cut inside a character", "x\xD6\xD0\xD6\xD0\xD6\xD0", 5, "\xD6\xD0\xD6\xD0"},
      {"cut at a character", "xy\xD6\xD0\xD6\xD0", 5, "y\xD6\xD0\xD6\xD0"},
      {"second byte A1 at the cut", "zz" + kAh + kAh + "ab", 5, kAh + "ab"},
      {"second byte 5C at the cut", "z" + k5C + k5C + "q", 4, k5C + "q"},
      {"less than kept", "short", 5, "short"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    ConsoleOutput out(Gbk(), c.keep);
    for (char ch : c.before) out.Append(&ch, 1);
    EXPECT_EQ(out.Kept(), c.expected);
    EXPECT_EQ(out.Dropped(), c.before.size() > c.keep);
  }
}

// 200 KB of two-byte characters (after one ASCII byte, so the cut points
// land inside characters), in the pipe's 64 KB pieces and in small ones.
TEST(ConsoleOutput, TwoHundredKilobytesKeepTheLast64) {
  std::string big = "!";
  while (big.size() < 200 * 1024) big += "\xD6\xD0";
  big += "\r\nend\r\n";
  for (std::size_t piece : {std::size_t{65536}, std::size_t{100}, std::size_t{1}}) {
    SCOPED_TRACE(piece);
    ConsoleOutput out(Gbk());
    for (std::size_t at = 0; at < big.size(); at += piece) {
      out.Append(big.data() + at, std::min(piece, big.size() - at));
    }
    const std::string kept = out.Kept();
    EXPECT_TRUE(out.Dropped());
    EXPECT_LE(kept.size(), kKeptOutputBytes);
    EXPECT_GE(kept.size(), kKeptOutputBytes - 1);
    EXPECT_EQ(kept, big.substr(big.size() - kept.size()));
    EXPECT_EQ(kept.substr(0, 2), "\xD6\xD0") << "the kept part begins inside a character";
    EXPECT_EQ(LastNonEmptyLine(kept, Gbk()), "end");
  }
}

}  // namespace
}  // namespace lumaret
