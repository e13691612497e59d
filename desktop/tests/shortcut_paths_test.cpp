#include "desktop/shortcut_paths.h"

#include <gtest/gtest.h>

#include "common/tests/code_pages.h"
#include "common/text.h"

namespace lumaret {
namespace {

// What the shell's file-name functions give for these simple names: the
// last component, cut before its last dot.
std::string SimpleTitle(const std::string& path) {
  const std::string file = AfterLastBackslash(path, Gbk());
  const std::size_t dot = file.rfind('.');
  return dot == std::string::npos ? file : file.substr(0, dot);
}

// GBK: a character whose second byte is the backslash code, and 中.
const std::string k5C = "\x81\x5C";
const std::string kZhong = "\xD6\xD0";
const std::string kDesktop = "D:\\Users\\u\\Desktop\\";

TEST(ShortcutPath, NameToPath) {
  const struct {
    const char* label;
    std::string name, path;
  } cases[] = {
      {"plain name", "Lumaret", kDesktop + "Lumaret.lnk"},
      {"path reduced to its title", "D:\\old\\Tool.exe", kDesktop + "Tool.lnk"},
      {"title loses .lnk, which comes back", "x\\y.lnk", kDesktop + "y.lnk"},
      {".lnk in capitals is found", "Tool.LNK", kDesktop + "Tool.LNK"},
      {".lnk found anywhere, not only at the end", "a.lnkfile", kDesktop + "a.lnkfile"},
      {"mixed case inside", "My.LnK.backup", kDesktop + "My.LnK.backup"},
      {"no dot before lnk", "Toollnk", kDesktop + "Toollnk.lnk"},
      {"0x5C trail byte is no backslash", "a" + k5C + "b", kDesktop + "a" + k5C + "b.lnk"},
      {"Chinese name", kZhong, kDesktop + kZhong + ".lnk"},
      {"empty name", "", kDesktop + ".lnk"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_EQ(ShortcutPathFor(kDesktop, c.name, SimpleTitle, Gbk()), c.path);
  }
  // No desktop found: the bare name, relative to the current directory.
  EXPECT_EQ(ShortcutPathFor("", "Lumaret", SimpleTitle, Gbk()), "Lumaret.lnk");
}

// What GBK takes for two-byte characters are letters of their own in a
// Western code page, and the other way round.
TEST(ShortcutPath, NameRulesByCodePage) {
  const std::string jose = "Jos\xE9";
  auto title = [](const CodePage& cp) {
    return [&cp](const std::string& path) { return AfterLastBackslash(path, cp); };
  };
  const CodePage gbk = Gbk(), western = Western();
  const struct {
    const char* label;
    std::string name, gbk, western;
  } cases[] = {
      {"é before a backslash", jose + "\\Tool", kDesktop + jose + "\\Tool.lnk", kDesktop + "Tool.lnk"},
      {"0x5C second byte", "a" + k5C + "b", kDesktop + "a" + k5C + "b.lnk", kDesktop + "b.lnk"},
      {"a dot as a second byte hides .lnk in GBK", "x\x81.lnk", kDesktop + "x\x81.lnk.lnk", kDesktop + "x\x81.lnk"},
      {"plain Western name", "Caf\xE9", kDesktop + "Caf\xE9.lnk", kDesktop + "Caf\xE9.lnk"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_EQ(ShortcutPathFor(kDesktop, c.name, title(gbk), gbk), c.gbk);
    EXPECT_EQ(ShortcutPathFor(kDesktop, c.name, title(western), western), c.western);
  }
  EXPECT_EQ(ShortcutWorkingDirectory("C:\\" + jose + "\\p.exe", gbk), "C:\\") << "E9 5C is one character";
  EXPECT_EQ(ShortcutWorkingDirectory("C:\\" + jose + "\\p.exe", western), "C:\\" + jose + "\\");
}

TEST(ShortcutPath, TitleIsAskedForOnlyWhenTheNameHoldsABackslash) {
  int asked = 0;
  auto counting = [&](const std::string& p) {
    ++asked;
    return SimpleTitle(p);
  };
  ShortcutPathFor(kDesktop, "Tool.exe", counting, Gbk());
  ShortcutPathFor(kDesktop, "a" + k5C, counting, Gbk());
  EXPECT_EQ(asked, 0);
  EXPECT_EQ(ShortcutPathFor(kDesktop, "\\Tool.exe", counting, Gbk()), kDesktop + "Tool.lnk");
  EXPECT_EQ(asked, 1);
}

TEST(ShortcutPath, WorkingDirectoryOfTheTarget) {
  const struct {
    const char* label;
    std::string target;
    std::optional<std::string> folder;
  } cases[] = {
      {"drive path", "D:\\dir\\prog.exe", "D:\\dir\\"},
      {"drive root", "D:\\prog.exe", "D:\\"},
      {"UNC path", "\\\\srv\\share\\p.exe", "\\\\srv\\share\\"},
      {"target ending in a backslash", "D:\\dir\\", "D:\\"},
      {"deeper, ending in a backslash", "D:\\a\\b\\c\\", "D:\\a\\b\\"},
      {"leading backslash", "\\dir\\p.exe", "\\dir\\"},
      {"two backslashes inside", "D:\\a\\\\p.exe", "D:\\a\\\\"},
      {"0x5C trail byte in a folder", "D:\\" + k5C + "\\p.exe", "D:\\" + k5C + "\\"},
      {"only a 0x5C trail byte", "x" + k5C + "y.exe", std::nullopt},
      {"no backslash", "prog.exe", std::nullopt},
      {"only a final backslash", "D:\\", std::nullopt},
      {"empty", "", std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_EQ(ShortcutWorkingDirectory(c.target, Gbk()), c.folder);
  }
}

TEST(ShortcutPath, SplitKeepsEmptyPiecesButTheLast) {
  EXPECT_EQ(SplitPathPieces("\\\\srv\\share\\p.exe", Gbk()),
            (std::vector<std::string>{"", "", "srv", "share", "p.exe"}));
  EXPECT_EQ(SplitPathPieces("D:\\dir\\", Gbk()), (std::vector<std::string>{"D:", "dir"}));
  EXPECT_EQ(SplitPathPieces("p.exe", Gbk()), (std::vector<std::string>{"p.exe"}));
  EXPECT_TRUE(SplitPathPieces("", Gbk()).empty());
}

TEST(ShortcutPath, IconLocation) {
  const struct {
    const char* label;
    std::optional<std::string> icon;
    std::string target, extension, location;
  } cases[] = {
      {"omitted, target with extension", std::nullopt, "D:\\dir\\prog.exe", ".exe", "D:\\dir\\prog.exe,0"},
      {"omitted, target without extension", std::nullopt, "D:\\dir\\prog", "", "SHELL32.dll,4"},
      {"given", std::string("C:\\icons.dll,3"), "D:\\dir\\prog.exe", ".exe", "C:\\icons.dll,3"},
      {"given as the empty text is written empty", std::string(), "D:\\dir\\prog.exe", ".exe", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_EQ(ShortcutIconLocation(c.icon, c.target, c.extension), c.location);
  }
}

}  // namespace
}  // namespace lumaret
