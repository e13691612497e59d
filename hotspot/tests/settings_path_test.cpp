#include "hotspot/settings_path.h"

#include <gtest/gtest.h>

#include "common/tests/code_pages.h"
#include "common/text.h"

namespace lumaret {
namespace {

TEST(SettingsPath, BesideTheExecutable) {
  EXPECT_EQ(SettingsPathFor("D:\\Tools"), "D:\\Tools\\Config\\Config.ini");
  EXPECT_EQ(SettingsPathFor("D:"), "D:\\Config\\Config.ini");  // drive root
  EXPECT_EQ(SettingsPathFor("\\\\srv\\share"), "\\\\srv\\share\\Config\\Config.ini");
}

// The executable's path cut at its last backslash (the run directory), the
// file name after it, and the settings file in the run directory, in a
// Western and a Chinese code page.
TEST(SettingsPath, RunDirectoryByCodePage) {
  const struct {
    const char* label;
    std::string exe;
    unsigned codePage;
    std::string runDirectory, fileName;
  } cases[] = {
      {"José on a Western Windows", "C:\\Users\\Jos\xE9\\Lumaret.exe", 1252, "C:\\Users\\Jos\xE9", "Lumaret.exe"},
      {"the same bytes in GBK: E9 5C is one character", "C:\\Users\\Jos\xE9\\Lumaret.exe", 936, "C:\\Users",
       "Jos\xE9\\Lumaret.exe"},
      {"Chinese folder in GBK", "C:\\\xB9\xA4\xBE\xDF\\Lumaret.exe", 936, "C:\\\xB9\xA4\xBE\xDF", "Lumaret.exe"},
      {"GBK folder ending in 0x5C", "D:\\\x81\x5C\\Lumaret.exe", 936, "D:\\\x81\x5C", "Lumaret.exe"},
      {"Western file name with 0x81", "D:\\\x81\\Lumaret.exe", 1252, "D:\\\x81", "Lumaret.exe"},
      {"drive root", "D:\\Lumaret.exe", 1252, "D:", "Lumaret.exe"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    const CodePage cp = c.codePage == 936 ? Gbk() : Western();
    const std::string runDirectory = BeforeLastBackslash(c.exe, cp);
    EXPECT_EQ(runDirectory, c.runDirectory);
    EXPECT_EQ(AfterLastBackslash(c.exe, cp), c.fileName);
    EXPECT_EQ(SettingsPathFor(runDirectory), c.runDirectory + "\\Config\\Config.ini");
  }
}

}  // namespace
}  // namespace lumaret
