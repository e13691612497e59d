#include "common/text.h"

#include <gtest/gtest.h>

#include "common/tests/code_pages.h"

namespace lumaret {
namespace {

// GBK "\x81\x5C" is one character whose second byte is the backslash code.
const std::string kGbkWith5C = "\x81\x5C";
// 中 in GBK
const std::string kZhong = "\xD6\xD0";

struct SplitCase {
  const char* label;
  std::string path;
  std::string before;
  std::string after;
};

TEST(TextSplit, AtLastBackslashSteppingOverTwoByteCharacters) {
  const SplitCase cases[] = {
      {"plain path", "C:\\Tools\\Lumaret.exe", "C:\\Tools", "Lumaret.exe"},
      {"drive root", "D:\\Lumaret.exe", "D:", "Lumaret.exe"},
      {"no backslash", "Lumaret.exe", "", "Lumaret.exe"},
      {"empty", "", "", ""},
      {"trailing backslash", "C:\\dir\\", "C:\\dir", ""},
      {"UNC", "\\\\srv\\share\\p.exe", "\\\\srv\\share", "p.exe"},
      {"0x5C trail byte in the file name", "C:\\a\\x" + kGbkWith5C + "y.exe", "C:\\a", "x" + kGbkWith5C + "y.exe"},
      {"0x5C trail byte ending a folder name", "C:\\" + kGbkWith5C + "\\p.exe", "C:\\" + kGbkWith5C, "p.exe"},
      {"only a 0x5C trail byte", "ab" + kGbkWith5C, "", "ab" + kGbkWith5C},
      {"Chinese folder", "C:\\" + kZhong + "\\p.exe", "C:\\" + kZhong, "p.exe"},
      {"dangling lead byte then backslash", "a\\\x81", "a", "\x81"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_EQ(BeforeLastBackslash(c.path, Gbk()), c.before);
    EXPECT_EQ(AfterLastBackslash(c.path, Gbk()), c.after);
  }
}

// The same bytes split differently by code page: what begins a two-byte
// character in GBK is a letter of its own in Western code pages.
TEST(TextSplit, LeadBytesFollowTheCodePage) {
  const std::string jose = "Jos\xE9";  // José in 1252; E9 5C is one character in GBK
  const struct {
    const char* label;
    std::string path;
    SplitCase gbk, western;
  } cases[] = {
      {"a folder ending in é", "C:\\Users\\" + jose + "\\Lumaret.exe",
       {"", "", "C:\\Users", jose + "\\Lumaret.exe"},
       {"", "", "C:\\Users\\" + jose, "Lumaret.exe"}},
      {"a folder ending in GBK 0x81 0x5C", "C:\\x" + kGbkWith5C + "\\p.exe",
       {"", "", "C:\\x" + kGbkWith5C, "p.exe"},
       {"", "", "C:\\x\x81\\", "p.exe"}},
      {"ASCII alike in both", "C:\\Tools\\p.exe", {"", "", "C:\\Tools", "p.exe"}, {"", "", "C:\\Tools", "p.exe"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_EQ(BeforeLastBackslash(c.path, Gbk()), c.gbk.before);
    EXPECT_EQ(AfterLastBackslash(c.path, Gbk()), c.gbk.after);
    EXPECT_EQ(BeforeLastBackslash(c.path, Western()), c.western.before);
    EXPECT_EQ(AfterLastBackslash(c.path, Western()), c.western.after);
  }
  EXPECT_EQ(CountCharacters("Jos\xE9" "12", Gbk()), 5u);
  EXPECT_EQ(CountCharacters("Jos\xE9" "12", Western()), 6u);
}

TEST(TextSearch, FirstCharStepsOverTrailBytes) {
  EXPECT_EQ(FindFirstChar("x" + kGbkWith5C + "\\y", '\\', Gbk()), 3u);
  EXPECT_EQ(FindFirstChar(kGbkWith5C, '\\', Gbk()), std::string::npos);
  EXPECT_EQ(FindFirstChar(kGbkWith5C, '\\', Western()), 1u);
  EXPECT_EQ(FindFirstChar("abc", '\\', Gbk()), std::string::npos);
}

TEST(TextSearch, NoCaseFindsAnywhereButNotAcrossCharacters) {
  EXPECT_EQ(FindNoCase("Tool.LNK", ".lnk", Gbk()), 4u);
  EXPECT_EQ(FindNoCase("a.lnkfile", ".lnk", Gbk()), 1u);
  EXPECT_EQ(FindNoCase("Lumaret", ".lnk", Gbk()), std::string::npos);
  // ".lnk" whose '.' would be the trail byte of a two-byte character: the
  // bytes 0x81 0x2E are one character, so no match starts at the 0x2E.
  EXPECT_EQ(FindNoCase("\x81.lnk", ".lnk", Gbk()), std::string::npos);
  EXPECT_EQ(FindNoCase("\x81..lnk", ".lnk", Gbk()), 2u);
  EXPECT_EQ(FindNoCase("\x81.lnk", ".lnk", Western()), 1u);
}

}  // namespace
}  // namespace lumaret
