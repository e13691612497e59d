#include "hotspot/settings_path.h"

#include <gtest/gtest.h>

namespace lumaret {
namespace {

TEST(SettingsPath, BesideTheExecutable) {
  EXPECT_EQ(SettingsPathFor("D:\\Tools"), "D:\\Tools\\Config\\Config.ini");
  EXPECT_EQ(SettingsPathFor("D:"), "D:\\Config\\Config.ini");  // drive root
  EXPECT_EQ(SettingsPathFor("\\\\srv\\share"), "\\\\srv\\share\\Config\\Config.ini");
}

}  // namespace
}  // namespace lumaret
