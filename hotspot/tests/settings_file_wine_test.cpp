// The settings file against the real INI functions, with the real window's
// name and password boxes.
#include "hotspot/settings_file.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "testsupport/window_test_support.h"
#include "common/run_directory.h"
#include "hotspot/settings_path.h"

namespace lumaret {
namespace {

// The settings folder beside this test binary, cleared before each case;
// the window exists so that the load and save have their boxes.
class SettingsFileTest : public testing::Test {
 protected:
  void SetUp() override {
    folder_ = GetRunDirectory() + "\\Config";
    file_ = SettingsFileBesideProgram();
    RemoveSettingsBesideProgram();
    ASSERT_TRUE(TheMainWindow().Create(GetModuleHandleW(nullptr), nullptr, nullptr));
  }
  void TearDown() override {
    CloseMainWindow();
    RemoveSettingsBesideProgram();
  }
  void MakeFile(const std::string& bytes) { ASSERT_TRUE(WriteSettingsBesideProgram(bytes)); }
  std::string Box(ControlId id) { return TheMainWindow().GetText(id); }

  std::string folder_, file_;
};

TEST_F(SettingsFileTest, NoFolderLoadsEmptyAndTheSaveCreatesIt) {
  LoadSettings();
  EXPECT_EQ(SettingsPath, file_);
  EXPECT_EQ(SavedSsid, "");
  EXPECT_EQ(Box(ControlId::编辑框_ssid), "");  // not the design text "Windows_wifi"
  EXPECT_EQ(Box(ControlId::编辑框_pw), "");

  // Full-width spaces (A1 A1) around the texts and spaces inside them: the
  // save hands the box texts over untrimmed. (Leading and trailing ASCII
  // spaces are the INI functions' business: Wine drops them on write.)
  TheMainWindow().SetText(ControlId::编辑框_ssid, "\xA1\xA1My  Net\xA1\xA1");
  TheMainWindow().SetText(ControlId::编辑框_pw, "\xA1\xA1pass word\xA1\xA1");
  SaveSettings();
  EXPECT_NE(GetFileAttributesA(folder_.c_str()), INVALID_FILE_ATTRIBUTES) << "folder Config not created";
  const std::string bytes = ReadWholeFile(file_);
  EXPECT_NE(bytes.find("[Wifi]"), std::string::npos) << bytes;
  EXPECT_NE(bytes.find("SSID=\xA1\xA1My  Net\xA1\xA1\r\n"), std::string::npos) << bytes;
  EXPECT_NE(bytes.find("CODE=\xA1\xA1pass word\xA1\xA1\r\n"), std::string::npos) << bytes;
  EXPECT_LT(bytes.find("SSID="), bytes.find("CODE="));
  EXPECT_EQ(SavedSsid, "") << "a save never changes what the run started with";
}

TEST_F(SettingsFileTest, FolderWithoutFileLoadsEmpty) {
  CreateDirectoryA(folder_.c_str(), nullptr);
  LoadSettings();
  EXPECT_EQ(SavedSsid, "");
  EXPECT_EQ(Box(ControlId::编辑框_pw), "");
}

TEST_F(SettingsFileTest, StoredValuesFillTheBoxes) {
  struct Case {
    const char* label;
    std::string file;
    std::string ssid, code, saved;
  } cases[] = {
      {"both keys", "[Wifi]\r\nSSID=HomeNet\r\nCODE=secret123\r\n", "HomeNet", "secret123", "HomeNet"},
      {"only CODE", "[Wifi]\r\nCODE=secret123\r\n", "", "secret123", ""},
      {"empty SSID value", "[Wifi]\r\nSSID=\r\nCODE=x\r\n", "", "x", ""},
      {"other section", "[Other]\r\nSSID=no\r\n", "", "", ""},
      {"GBK name", "[Wifi]\r\nSSID=\xCE\xD2\xB5\xC4\xCD\xF8\r\nCODE=12345678\r\n", "\xCE\xD2\xB5\xC4\xCD\xF8",
       "12345678", "\xCE\xD2\xB5\xC4\xCD\xF8"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    MakeFile(c.file);
    LoadSettings();
    EXPECT_EQ(Box(ControlId::编辑框_ssid), c.ssid);
    EXPECT_EQ(Box(ControlId::编辑框_pw), c.code);
    EXPECT_EQ(SavedSsid, c.saved);
  }
}

TEST_F(SettingsFileTest, LongValueArrivesCutTo10239Bytes) {
  MakeFile("[Wifi]\r\nSSID=" + std::string(12000, 'a') + "\r\nCODE=" + std::string(10239, 'b') + "\r\n");
  const std::string ssid = ReadSettingsValue(file_, "Wifi", "SSID");
  EXPECT_EQ(ssid.size(), 10239u);
  EXPECT_EQ(ssid, std::string(10239, 'a'));
  EXPECT_EQ(ReadSettingsValue(file_, "Wifi", "CODE"), std::string(10239, 'b'));
  LoadSettings();
  EXPECT_EQ(SavedSsid.size(), 10239u);
  EXPECT_EQ(Box(ControlId::编辑框_ssid).size(), 10239u) << "text set by the program ignores the box's limit";
}

TEST_F(SettingsFileTest, SecondSaveReplacesBothValuesInPlace) {
  MakeFile("[Wifi]\r\nSSID=First\r\nCODE=firstpass\r\n");
  LoadSettings();
  TheMainWindow().SetText(ControlId::编辑框_ssid, "Second");
  TheMainWindow().SetText(ControlId::编辑框_pw, "");
  SaveSettings();
  TheMainWindow().SetText(ControlId::编辑框_ssid, "Third");
  SaveSettings();
  EXPECT_EQ(ReadSettingsValue(file_, "Wifi", "SSID"), "Third");
  const std::string bytes = ReadWholeFile(file_);
  EXPECT_NE(bytes.find("CODE=\r\n"), std::string::npos) << "an empty box keeps its key: " << bytes;
  EXPECT_EQ(bytes.find("First"), std::string::npos);
  EXPECT_EQ(SavedSsid, "First");
}

TEST(SettingsValue, MissingFileSectionOrKeyReadsEmptyAndWritesCreate) {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const std::string path = std::string(temp) + "lumaret-settings-test.ini";
  DeleteFileA(path.c_str());
  EXPECT_EQ(ReadSettingsValue(path, "Wifi", "SSID"), "");
  EXPECT_TRUE(WriteSettingsValue(path, "Wifi", "SSID", "Net"));
  EXPECT_EQ(ReadSettingsValue(path, "Wifi", "SSID"), "Net");
  EXPECT_EQ(ReadSettingsValue(path, "Wifi", "CODE"), "");
  EXPECT_EQ(ReadSettingsValue(path, "Other", "SSID"), "");
  DeleteFileA(path.c_str());
  EXPECT_FALSE(WriteSettingsValue(std::string(temp) + "no-such-folder\\x.ini", "Wifi", "SSID", "Net"));
}

}  // namespace
}  // namespace lumaret
