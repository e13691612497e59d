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

TEST(StartupEntryPath, TheRunValueStartsTheProgramWithAutostart) {
  EXPECT_EQ(StartupCommandLine("D:\\My Tools\\Lumaret.exe"), "\"D:\\My Tools\\Lumaret.exe\" /autostart");
  EXPECT_EQ(StartupCommandLine("C:\\\xB9\xA4\xBE\xDF\\Lumaret.exe"), "\"C:\\\xB9\xA4\xBE\xDF\\Lumaret.exe\" /autostart");
}

TEST(StartupEntryPath, OnlyTheAutostartArgumentAsksToTurnTheHotspotOn) {
  const struct {
    const char* label;
    std::vector<std::wstring> arguments;
    bool asks;
  } cases[] = {
      {"no argument: an older Run value or a start by hand", {}, false},
      {"the Run value's argument", {L"/autostart"}, true},
      {"any letter case", {L"/AutoStart"}, true},
      {"among others", {L"-x", L"/autostart", L"foo"}, true},
      {"another argument", {L"/start"}, false},
      {"longer", {L"/autostarts"}, false},
      {"without the slash", {L"autostart"}, false},
      {"a dash instead of the slash", {L"-autostart"}, false},
      {"an empty argument", {L""}, false},
      {"a non-ASCII letter is no match", {L"/autostarT\u0130"}, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_EQ(AsksToTurnOnHotspot(c.arguments), c.asks);
  }
}

}  // namespace
}  // namespace lumaret
