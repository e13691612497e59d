#include <gtest/gtest.h>

#include <string>

#include "app/current_directory.h"
#include "common/tests/code_pages.h"
#include "common/text.h"
#include "hotspot/settings_path.h"

namespace lumaret {
namespace {

// An executable in a drive root: its run directory stays the bare drive, so
// every path built from it keeps its one backslash, while the current
// directory becomes the root itself.
TEST(CurrentDirectory, ExecutableInADriveRoot) {
  const std::string exe = "D:\\Lumaret.exe";
  const std::string runDirectory = BeforeLastBackslash(exe, Gbk());
  EXPECT_EQ(runDirectory, "D:");
  EXPECT_EQ(runDirectory + "\\" + AfterLastBackslash(exe, Gbk()), exe);
  EXPECT_EQ(SettingsPathFor(runDirectory), "D:\\Config\\Config.ini");
  EXPECT_EQ(CurrentDirectoryFor(runDirectory), "D:\\");
}

TEST(CurrentDirectory, RootsGainTheirBackslashOtherFoldersStayAsTheyAre) {
  const struct {
    const char* runDirectory;
    const char* current;
  } cases[] = {
      {"D:", "D:\\"},
      {"z:", "z:\\"},
      {"\\\\?\\D:", "\\\\?\\D:\\"},                       // long-path form of a root
      {"D:\\Tools", "D:\\Tools"},
      {"C:\\Users\\\xD5\xC5\xC8\xFD\\Downloads", "C:\\Users\\\xD5\xC5\xC8\xFD\\Downloads"},  // 张三
      {"\\\\server\\share", "\\\\server\\share"},       // a share's root is current as it is
      {"\\\\server\\share\\tools", "\\\\server\\share\\tools"},
      {"", ""},                                         // no folder: nothing to change to
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.runDirectory);
    EXPECT_EQ(CurrentDirectoryFor(c.runDirectory), c.current);
  }
}

}  // namespace
}  // namespace lumaret
