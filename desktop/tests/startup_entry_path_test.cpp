#include "desktop/startup_entry_path.h"

#include <gtest/gtest.h>

#include "common/tests/code_pages.h"

namespace lumaret {
namespace {

TEST(StartupEntryPath, RunValueSplitsIntoTheRunKeyAndTheEntryName) {
  const struct {
    const char* label;
    std::string fullPath;
    std::string key;
    std::string value;
  } cases[] = {
      {"the Run value", RunValueFullPath("orvinelwifi"), "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run",
       "orvinelwifi"},
      // GBK "\x81\x5C": its second byte is the backslash code but no separator.
      {"two-byte character ending in 0x5C", RunValueFullPath("wifi\x81\x5C"),
       "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run", "wifi\x81\x5C"},
      {"no backslash: directly under the root", "orvinelwifi", "", "orvinelwifi"},
      {"empty entry name", RunValueFullPath(""), "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    const RegistryValuePath p = SplitRegistryValuePath(c.fullPath, Gbk());
    EXPECT_EQ(p.keyPath, c.key);
    EXPECT_EQ(p.valueName, c.value);
  }
}

TEST(StartupEntryPath, ProgramPathIsQuotedWhole) {
  EXPECT_EQ(QuotedProgramPath("D:\\My Tools\\prog.exe"), "\"D:\\My Tools\\prog.exe\"");
  EXPECT_EQ(QuotedProgramPath("C:\\\xB9\xA4\xBE\xDF\\Lumaret.exe"), "\"C:\\\xB9\xA4\xBE\xDF\\Lumaret.exe\"");
}

}  // namespace
}  // namespace lumaret
